// Runs the window's event handlers for a front end and reports the run-time
// error that abandons one: the first error only, once the outermost handler
// has returned, and never while an earlier report is still being shown.
// Platform-free; each front end says how it defers a call and shows a report.
#ifndef EUROLIRE_FORM_HANDLER_RUNNER_H_
#define EUROLIRE_FORM_HANDLER_RUNNER_H_

#include <functional>
#include <optional>

#include "converter/run_time_error.h"

namespace eurolire {

class HandlerRunner {
 public:
  // `later` arranges for `ReportPending` to be called once the caller's
  // stack has unwound (a queued call, a posted message), or calls it at
  // once where the end of the outermost handler is late enough. `report`
  // shows one error; a report that keeps a box open after it returns drops
  // what it is given while that box is open.
  HandlerRunner(std::function<void()> later,
                std::function<void(const RunTimeError&)> report);

  // Runs `handler`, which may run further handlers inside it. No exception
  // escapes: the first error is kept until it has been reported, and later
  // ones before then, or while a report is being shown, add nothing.
  void Run(const std::function<void()>& handler);

  // Reports the kept error, if any, unless a report is being shown.
  void ReportPending();

 private:
  std::function<void()> later_;
  std::function<void(const RunTimeError&)> report_;
  int depth_ = 0;  // handlers running, one inside another
  std::optional<RunTimeError> pending_;
  bool scheduled_ = false;  // `later_` asked and ReportPending not yet run
  bool reporting_ = false;
};

}  // namespace eurolire

#endif  // EUROLIRE_FORM_HANDLER_RUNNER_H_

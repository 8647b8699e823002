// Runs the window's event handlers for a front end and reports the run-time
// error that abandons one: the first error only, once the outermost handler
// has returned, and never while an earlier report is still being shown.
// Platform-free; each front end says how it defers a call and shows a report.
#ifndef EUROLIRE_FORM_HANDLER_RUNNER_H_
#define EUROLIRE_FORM_HANDLER_RUNNER_H_

#include <optional>
#include <utility>

#include "converter/run_time_error.h"

namespace eurolire {

class HandlerRunner {
 public:
  // What is the front end's own.
  class FrontEnd {
   public:
    // Arranges for `ReportPending` to be called once the caller's stack has
    // unwound (a queued call, a posted message), or calls it at once where
    // the end of the outermost handler is late enough.
    virtual void ScheduleReport() = 0;
    // Shows one error. A report that keeps its box open after it returns
    // drops what it is given while that box is open.
    virtual void ShowReport(const RunTimeError& error) = 0;

   protected:
    ~FrontEnd() = default;
  };

  // `front_end` must outlive the runner.
  explicit HandlerRunner(FrontEnd& front_end) : front_end_(front_end) {}

  // Runs `handler`, which may run further handlers inside it. No exception
  // escapes: the first error is kept until it has been reported, and later
  // ones before then, or while a report is being shown, add nothing.
  template <typename Handler>
  void Run(Handler&& handler) {
    ++depth_;
    std::optional<RunTimeError> error = CatchRunTimeError(handler);
    --depth_;
    Ran(std::move(error));
  }

  // Shows the kept error, if any, unless a report is being shown.
  void ReportPending();

 private:
  // Keeps `error` as a handler returns, and schedules its report once the
  // outermost one has.
  void Ran(std::optional<RunTimeError> error);

  FrontEnd& front_end_;
  int depth_ = 0;  // handlers running, one inside another
  std::optional<RunTimeError> pending_;
  bool scheduled_ = false;  // ScheduleReport asked, ReportPending not yet run
  bool reporting_ = false;
};

}  // namespace eurolire

#endif  // EUROLIRE_FORM_HANDLER_RUNNER_H_

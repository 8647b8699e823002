// Runs the window's event handlers and reports the run-time error that
// abandons one: the first error only, once the outermost handler has
// returned, and never while an earlier report is still open.
// Platform-free: the window wiring (form1_wiring.h) says how its front end
// defers a call and shows a report.
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
    // Shows one error, and calls `ReportClosed` once the user has closed
    // the report: before returning, for a box that blocks until then.
    virtual void ShowReport(const RunTimeError& error) = 0;

   protected:
    ~FrontEnd() = default;
  };

  // `front_end` must outlive the runner.
  explicit HandlerRunner(FrontEnd& front_end) : front_end_(front_end) {}

  // Runs `handler`, which may run further handlers inside it. No exception
  // escapes: the first error is kept until it has been reported, and later
  // ones before then, or while a report is open, add nothing.
  template <typename Handler>
  void Run(Handler&& handler) {
    ++depth_;
    std::optional<RunTimeError> error = CatchRunTimeError(handler);
    --depth_;
    Ran(std::move(error));
  }

  // Shows the kept error, if any, unless a report is being shown.
  void ReportPending();
  // The report shown is closed: the next error will be reported.
  void ReportClosed() { reporting_ = false; }

 private:
  // Keeps `error` as a handler returns, and schedules its report once the
  // outermost one has.
  void Ran(std::optional<RunTimeError> error);

  FrontEnd& front_end_;
  int depth_ = 0;  // handlers running, one inside another
  std::optional<RunTimeError> pending_;
  bool scheduled_ = false;  // ScheduleReport asked, ReportPending not yet run
  bool reporting_ = false;  // from ShowReport until ReportClosed
};

}  // namespace eurolire

#endif  // EUROLIRE_FORM_HANDLER_RUNNER_H_

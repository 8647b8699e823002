#include "form/handler_runner.h"

namespace eurolire {

void HandlerRunner::Ran(std::optional<RunTimeError> error) {
  // A report's own loop runs handlers too; typing on after a fault usually
  // meets it again, and one box at a time is enough.
  if (error && !pending_ && !reporting_) pending_ = std::move(error);
  // A report shown from inside a change handler would show, or run a loop
  // over, fields half-updated: only once the outermost handler returns.
  if (depth_ == 0 && pending_ && !scheduled_) {
    scheduled_ = true;
    front_end_.ScheduleReport();
  }
}

void HandlerRunner::ReportPending() {
  scheduled_ = false;
  if (reporting_ || !pending_) return;
  const RunTimeError error = *std::exchange(pending_, std::nullopt);
  reporting_ = true;
  try {
    front_end_.ShowReport(error);
  } catch (...) {
    // Nothing is left to report a failed report with, and no box is open.
    reporting_ = false;
  }
}

}  // namespace eurolire

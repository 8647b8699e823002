#include "form/handler_runner.h"

#include <utility>

namespace eurolire {

HandlerRunner::HandlerRunner(std::function<void()> later,
                             std::function<void(const RunTimeError&)> report)
    : later_(std::move(later)), report_(std::move(report)) {}

void HandlerRunner::Run(const std::function<void()>& handler) {
  ++depth_;
  std::optional<RunTimeError> error = CatchRunTimeError(handler);
  --depth_;
  // A report's own loop runs handlers too; typing on after a fault usually
  // meets it again, and one box at a time is enough.
  if (error && !pending_ && !reporting_) pending_ = std::move(error);
  // A report shown from inside a change handler would show, or run a loop
  // over, fields half-updated: only once the outermost handler returns.
  if (depth_ == 0 && pending_ && !scheduled_) {
    scheduled_ = true;
    later_();
  }
}

void HandlerRunner::ReportPending() {
  scheduled_ = false;
  if (reporting_ || !pending_) return;
  const RunTimeError error = *std::exchange(pending_, std::nullopt);
  reporting_ = true;
  // Nothing is left to report a failed report with.
  CatchRunTimeError([&] { report_(error); });
  reporting_ = false;
}

}  // namespace eurolire

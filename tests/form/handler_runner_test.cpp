// The handler runner: the first run-time error of a handler chain is
// reported once the outermost handler has returned, one report at a time,
// whether the front end defers the report to its loop or makes it at once,
// and whether its report blocks until closed or stays open after it returns.
#include "form/handler_runner.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <new>
#include <utility>
#include <vector>

namespace eurolire {
namespace {

// A front end: its loop, and what its reports showed.
struct FrontEnd : HandlerRunner::FrontEnd {
  explicit FrontEnd(bool deferred) : deferred(deferred) {}

  void ScheduleReport() override {
    ++laters;
    if (!deferred) return runner.ReportPending();
    loop.push_back([this] { runner.ReportPending(); });
  }
  void ShowReport(const RunTimeError& error) override {
    reports.push_back(error.Number());
    if (while_reporting) std::exchange(while_reporting, {})();
    if (!stays_open) runner.ReportClosed();
  }

  void Run(const std::function<void()>& handler) { runner.Run(handler); }
  void Pump() {
    while (!loop.empty()) {
      std::function<void()> next = std::move(loop.front());
      loop.pop_front();
      next();
    }
  }

  bool deferred;
  HandlerRunner runner{*this};
  std::deque<std::function<void()>> loop;
  std::vector<int> reports;  // 0 marks where a handler went on
  int laters = 0;
  // Runs inside the next report, as a modal report's own loop would.
  std::function<void()> while_reporting;
  // A box that stays open once shown, until ReportClosed.
  bool stays_open = false;
};

[[noreturn]] void Raise(int number) { throw RunTimeError(number, "x"); }

TEST(HandlerRunnerTest, ReportsTheFirstErrorOnceTheChainHasUnwound) {
  const struct {
    const char* name;
    std::function<void(FrontEnd&)> events;
    std::vector<int> reports;
    int laters;
  } cases[] = {
      {"no error", [](FrontEnd& f) { f.Run([] {}); }, {}, 0},
      {"nested, the outer handler going on",
       [](FrontEnd& f) {
         f.Run([&] {
           f.Run([] { Raise(kOverflowNumber); });
           f.Run([&] { f.reports.push_back(0); });
         });
       },
       {0, kOverflowNumber},
       1},
      {"the chain's first error only",
       [](FrontEnd& f) {
         f.Run([&] {
           f.Run([] { Raise(kOverflowNumber); });
           Raise(kTypeMismatchNumber);
         });
       },
       {kOverflowNumber},
       1},
      {"an error raised while the report is shown adds none",
       [](FrontEnd& f) {
         f.while_reporting = [&] {
           f.Run([] { Raise(kTypeMismatchNumber); });
           f.Pump();
         };
         f.Run([] { Raise(kOverflowNumber); });
         f.Pump();
         f.Run([] { Raise(kFileNotFoundNumber); });
       },
       {kOverflowNumber, kFileNotFoundNumber},
       2},
      {"a report left open takes no other until it is closed",
       [](FrontEnd& f) {
         f.stays_open = true;
         f.Run([] { Raise(kOverflowNumber); });
         f.Pump();
         f.Run([] { Raise(kTypeMismatchNumber); });
         f.Pump();
         f.runner.ReportClosed();
         f.Run([] { Raise(kFileNotFoundNumber); });
       },
       {kOverflowNumber, kFileNotFoundNumber},
       2},
      {"a failed report leaves the runner working",
       [](FrontEnd& f) {
         f.while_reporting = [] { throw std::bad_alloc(); };
         f.Run([] { Raise(kOverflowNumber); });
         f.Pump();
         f.Run([] { Raise(kDivisionByZeroNumber); });
       },
       {kOverflowNumber, kDivisionByZeroNumber},
       2},
  };
  for (const auto& c : cases) {
    for (const bool deferred : {true, false}) {
      FrontEnd front_end(deferred);
      c.events(front_end);
      front_end.Pump();
      EXPECT_EQ(front_end.reports, c.reports) << c.name << deferred;
      EXPECT_EQ(front_end.laters, c.laters) << c.name << deferred;
    }
  }
  // A deferring front end's loop reports, not the handler: two chains
  // before the loop runs report the first chain's error.
  FrontEnd front_end(true);
  front_end.Run([] { Raise(kFileNotFoundNumber); });
  front_end.Run([] { Raise(kOverflowNumber); });
  EXPECT_TRUE(front_end.reports.empty());
  front_end.Pump();
  EXPECT_EQ(front_end.reports, std::vector<int>{kFileNotFoundNumber});
  EXPECT_EQ(front_end.laters, 1);
}

}  // namespace
}  // namespace eurolire

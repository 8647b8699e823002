// Whatever a handler throws comes back as one run-time error to report.
#include "converter/run_time_error.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <optional>
#include <stdexcept>

namespace eurolire {
namespace {

TEST(CatchRunTimeErrorTest, EveryExceptionBecomesANumberedError) {
  struct Row {
    const char* what;
    std::function<void()> action;
    int number;
  };
  const Row rows[] = {
      {"overflow", [] { throw OverflowError("x"); }, kOverflowNumber},
      {"run-time", [] { throw RunTimeError(kFileNotFoundNumber, "x"); },
       kFileNotFoundNumber},
      {"memory", [] { throw std::bad_alloc(); }, kOutOfMemoryNumber},
      {"logic", [] { throw std::logic_error("x"); }, kInternalErrorNumber},
      {"not an exception", [] { throw 42; }, kInternalErrorNumber},
  };
  for (const Row& row : rows) {
    const std::optional<RunTimeError> error = CatchRunTimeError(row.action);
    ASSERT_TRUE(error.has_value()) << row.what;
    EXPECT_EQ(error->Number(), row.number) << row.what;
  }
}

TEST(CatchRunTimeErrorTest, NothingThrownIsNothingToReport) {
  int runs = 0;
  EXPECT_FALSE(CatchRunTimeError([&runs] { ++runs; }).has_value());
  EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace eurolire

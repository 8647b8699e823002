// Which arguments the window leaves to the command line, decided before Qt
// starts.
#include "qt/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace eurolire {
namespace {

TEST(CommandLineTest, OwnOptionsAndAmountsTakeTheProgramAwayFromTheWindow) {
  struct Row {
    std::vector<std::string_view> arguments;
    bool command_line;
  };
  const Row rows[] = {
      {{}, false},
      {{"-platform", "offscreen"}, false},
      {{"--display", ":1"}, false},
      {{"-style", "fusion", "-reverse"}, false},
      {{"--euro"}, true},
      {{"--lire=5"}, true},
      {{"-style", "fusion", "--version"}, true},
      {{"-h"}, true},
      // No display needed to say what is missing.
      {{"12"}, true},
      {{"-5"}, true},
      {{"-platform", "offscreen", "12"}, true},
  };
  for (const Row& row : rows) {
    std::string named;
    for (std::string_view argument : row.arguments) {
      named += std::string(argument) + " ";
    }
    EXPECT_EQ(WantsCommandLine(row.arguments), row.command_line) << named;
  }
}

}  // namespace
}  // namespace eurolire

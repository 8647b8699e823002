// What the Linux programs do with their arguments before anything of the
// window starts: whose they are, and whether a window can be shown.
#include "cli/arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "cli/window_program.h"

namespace eurolire {
namespace {

std::string Named(const std::vector<std::string_view>& arguments) {
  std::string named;
  for (std::string_view argument : arguments) {
    named += std::string(argument) + " ";
  }
  return named;
}

TEST(ArgumentsTest, TheCommandLineTakesItsOwnAndReportsUnknownLongOptions) {
  enum Whose { kWindow, kCommandLine, kMistake };
  struct Row {
    std::vector<std::string_view> arguments;
    Whose whose;
    std::vector<std::string_view> left_by_qt;  // for a mistake
  };
  const Row rows[] = {
      {{}, kWindow, {}},
      {{"-platform", "offscreen"}, kWindow, {}},
      {{"--display", ":1"}, kWindow, {}},
      {{"-style", "fusion", "-reverse"}, kWindow, {}},
      {{"-style=fusion"}, kWindow, {}},
      // One dash: the window's platform may know it; Qt leaves it to the
      // window program to report.
      {{"-x"}, kWindow, {}},
      {{"--euro"}, kCommandLine, {}},
      {{"--lire=5"}, kCommandLine, {}},
      {{"-style", "fusion", "--version"}, kCommandLine, {}},
      {{"-h"}, kCommandLine, {}},
      // No display needed to say what is missing.
      {{"12"}, kCommandLine, {}},
      {{"-5"}, kCommandLine, {}},
      {{"-platform", "offscreen", "12"}, kCommandLine, {}},
      {{"--lira", "--platform", "offscreen"}, kMistake, {"--lira"}},
      {{"-style", "fusion", "--conto", "-x"}, kMistake, {"--conto", "-x"}},
      {{"--"}, kMistake, {"--"}},
  };
  for (const Row& row : rows) {
    const Whose whose = WantsCommandLine(row.arguments)       ? kCommandLine
                        : HasUnknownLongOption(row.arguments) ? kMistake
                                                              : kWindow;
    EXPECT_EQ(whose, row.whose) << Named(row.arguments);
    if (whose == kMistake) {
      EXPECT_EQ(WithoutQtOptions(row.arguments), row.left_by_qt)
          << Named(row.arguments);
    }
  }
}

TEST(ArgumentsTest, AWindowCanBeShownWhereTheChosenPlatformHasADisplay) {
  struct Row {
    std::vector<std::string_view> arguments;
    DisplayEnvironment environment;
    bool can;
  };
  // The environment: DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM.
  const Row rows[] = {
      {{}, {"", "", ""}, false},
      {{}, {":0", "", ""}, true},
      {{}, {"", "wayland-0", ""}, true},
      {{"-display", ":1"}, {"", "", ""}, true},
      {{}, {"", "", "offscreen"}, true},
      {{}, {"", "", "xcb"}, false},
      {{}, {"", "w", "xcb"}, false},
      {{}, {"", "w", "wayland"}, true},
      {{}, {":0", "", "wayland-egl"}, false},
      {{}, {":0", "", "wayland;xcb"}, true},
      {{}, {"", "", "vnc:size=800x600"}, true},
      // The argument wins over the environment.
      {{"-platform", "offscreen"}, {"", "", "xcb"}, true},
      {{"--platform", "xcb"}, {"", "", "offscreen"}, false},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CanShowWindow(row.arguments, row.environment), row.can)
        << Named(row.arguments) << row.environment.display << " "
        << row.environment.wayland_display << " "
        << row.environment.qt_qpa_platform;
  }
}

}  // namespace
}  // namespace eurolire

#include "qt/arguments.h"

#include <algorithm>

#include "cli/command_line.h"

namespace eurolire {
namespace {

// Qt's options that take the next argument as their value ("-style
// fusion"), so that the value is not taken for an amount.
constexpr std::string_view kQtOptionsWithValue[] = {"platform",
                                                    "platformpluginpath",
                                                    "platformtheme",
                                                    "plugin",
                                                    "qwindowgeometry",
                                                    "qwindowicon",
                                                    "qwindowtitle",
                                                    "session",
                                                    "style",
                                                    "stylesheet",
                                                    "display",
                                                    "geometry",
                                                    "name",
                                                    "title",
                                                    "visual"};

bool IsQtOptionWithValue(std::string_view argument) {
  // "--" alone has no name after its dashes.
  argument.remove_prefix(
      std::min(argument.find_first_not_of('-'), argument.size()));
  for (std::string_view name : kQtOptionsWithValue) {
    if (argument == name) return true;
  }
  return false;
}

}  // namespace

bool WantsCommandLine(const std::vector<std::string_view>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    // The window takes no words of its own: an amount, or a word meant as
    // one, is for the command line, which explains what it lacks.
    if (IsOwnOption(argument) || !LooksLikeOption(argument)) return true;
    if (IsQtOptionWithValue(argument)) ++i;
  }
  return false;
}

}  // namespace eurolire

#include "cli/arguments.h"

#include <algorithm>
#include <cstddef>
#include <span>

#include "cli/options.h"

namespace eurolire {
namespace {

// Qt's options, which take one dash or two: those that take the next
// argument as their value ("-style fusion"), so that the value is not taken
// for an amount, and those that take none.
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
constexpr std::string_view kQtOptionsAlone[] = {
    "reverse", "widgetcount", "nograb",       "dograb",
    "sync",    "testability", "qmljsdebugger"};

// The option's name, without its dashes and any "=value" ("-style=fusion"
// is "style").
std::string_view OptionName(std::string_view argument) {
  // "--" alone has no name after its dashes.
  argument.remove_prefix(
      std::min(argument.find_first_not_of('-'), argument.size()));
  return argument.substr(0, argument.find('='));
}

bool Contains(std::span<const std::string_view> names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// How many arguments from `arguments[i]` are one of Qt's options with its
// value: 0 when it is none of them.
std::size_t QtOptionLength(const std::vector<std::string_view>& arguments,
                           std::size_t i) {
  const std::string_view argument = arguments[i];
  if (!argument.starts_with('-') || argument.starts_with("---")) return 0;
  const std::string_view name = OptionName(argument);
  const bool attached = argument.find('=') != std::string_view::npos;
  if (Contains(kQtOptionsWithValue, name)) {
    return attached ? 1 : std::min<std::size_t>(2, arguments.size() - i);
  }
  return Contains(kQtOptionsAlone, name) ? 1 : 0;
}

}  // namespace

bool WantsCommandLine(const std::vector<std::string_view>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string_view argument = arguments[i];
    // The window takes no words of its own: an amount, or a word meant as
    // one, is for the command line, which explains what it lacks.
    if (IsOwnOption(argument) || !LooksLikeOption(argument)) return true;
    if (const std::size_t length = QtOptionLength(arguments, i); length > 1) {
      i += length - 1;
    }
  }
  return false;
}

bool HasUnknownLongOption(const std::vector<std::string_view>& arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (const std::size_t length = QtOptionLength(arguments, i); length > 0) {
      i += length - 1;
    } else if (arguments[i].starts_with("--") && !IsOwnOption(arguments[i])) {
      return true;
    }
  }
  return false;
}

std::vector<std::string_view> WithoutQtOptions(
    const std::vector<std::string_view>& arguments) {
  std::vector<std::string_view> left;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (const std::size_t length = QtOptionLength(arguments, i); length > 0) {
      i += length - 1;
    } else {
      left.push_back(arguments[i]);
    }
  }
  return left;
}

}  // namespace eurolire

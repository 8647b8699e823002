// Whose the Linux program's arguments are: the command line's
// (cli/command_line.h, cli/options.h), or the window's, which Qt takes in the
// window program. Decided before anything of the window is started, so that the
// command line needs no display, no Qt, and reports its mistakes itself.
#ifndef EUROLIRE_CLI_ARGUMENTS_H_
#define EUROLIRE_CLI_ARGUMENTS_H_

#include <string_view>
#include <vector>

namespace eurolire {

// True when the arguments (without the program's name) are for the command
// line rather than the window: any of --help, -h, --version, --euro, --lire
// (or --euro=AMOUNT, --lire=AMOUNT), or a word that is no option and no
// value of one of Qt's options ("12", "-5"; not "fusion" in "-style
// fusion"). Other options are left to the window, which hands them to Qt;
// what Qt does not take, `RunCommandLine` then reports.
bool WantsCommandLine(const std::vector<std::string_view>& arguments);

// True when an argument is a long option ("--lira") that neither the command
// line nor Qt knows: a mistake for the command line to report, with or
// without a display ("-x" alone is left to Qt, which has options of one
// dash that the window's platform may add).
bool HasUnknownLongOption(const std::vector<std::string_view>& arguments);

// The arguments without Qt's options and their values, as Qt leaves them to
// the program: what the command line reports when `HasUnknownLongOption`.
std::vector<std::string_view> WithoutQtOptions(
    const std::vector<std::string_view>& arguments);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_ARGUMENTS_H_

// The converter from a terminal and in scripts: `eurolire --euro 12` prints
// the lire, `eurolire --lire` converts standard input line by line, and
// `--help` and `--version` answer. Standard C++ only, so it needs no display
// and the window's start pays nothing for it. Reading, rounding and
// formatting are the window's (converter/conversion.h).
#ifndef EUROLIRE_APP_COMMAND_LINE_H_
#define EUROLIRE_APP_COMMAND_LINE_H_

#include <iosfwd>
#include <string_view>
#include <vector>

#include "converter/number_text.h"

namespace eurolire {

// The exit statuses of a command-line run.
inline constexpr int kExitConverted = 0;     // every amount converted (or
                                             // help, version)
inline constexpr int kExitNotConverted = 1;  // an amount was not converted,
                                             // or the output failed
inline constexpr int kExitUsage = 2;         // the arguments make no sense

// True when the arguments (without the program's name) are for the command
// line rather than the window: any of --help, -h, --version, --euro, --lire
// (or --euro=AMOUNT, --lire=AMOUNT) among them. Other arguments are left to
// the window, which hands them to Qt ("-platform offscreen"); what Qt does
// not take, `RunCommandLine` then reports.
bool WantsCommandLine(const std::vector<std::string_view>& arguments);

// Runs the command line and returns the exit status: kExitUsage, with a
// message on `err`, for unknown options, both --euro and --lire, or
// amounts with neither. With amounts after
// --euro or --lire (or attached with "="), converts each and prints one line
// each; with none, reads standard input, one amount a line (a final "\r" is
// dropped), and prints one line per input line. An amount that is not a
// number, or whose conversion is beyond the largest double, gets a message
// on `err` naming it (and its line number on standard input) and an empty
// output line, the others still convert, and the status is
// kExitNotConverted. Messages quote at most the first 40 characters of a
// text, with control characters escaped. A failed write to `out` is reported
// and gives kExitNotConverted.
int RunCommandLine(const std::vector<std::string_view>& arguments,
                   const NumberConventions& conventions, std::istream& in,
                   std::ostream& out, std::ostream& err);

}  // namespace eurolire

#endif  // EUROLIRE_APP_COMMAND_LINE_H_

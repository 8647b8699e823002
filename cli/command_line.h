// The converter from a terminal and in scripts: `eurolire --euro 12` prints
// the lire, `eurolire --lire` converts standard input line by line, and
// `--help` and `--version` answer. Standard C++ only, so it needs no display
// and the window's start pays nothing for it. Reading, rounding and
// formatting are the window's (converter/conversion.h).
#ifndef EUROLIRE_CLI_COMMAND_LINE_H_
#define EUROLIRE_CLI_COMMAND_LINE_H_

#include <iosfwd>
#include <string_view>
#include <vector>

#include "converter/number_text.h"

namespace eurolire {

// The exit statuses of a command-line run: every amount converted (or help
// and version written); an amount not converted, or the input or output
// failed; the arguments make no sense.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitNotConverted = 1;
inline constexpr int kExitUsage = 2;

// True when the arguments (without the program's name) are for the command
// line rather than the window: any of --help, -h, --version, --euro, --lire
// (or --euro=AMOUNT, --lire=AMOUNT), or a word that is no option and no
// value of one of Qt's options ("12", "-5"; not "fusion" in "-style
// fusion"). Other options are left to the window, which hands them to Qt;
// what Qt does not take, `RunCommandLine` then reports.
bool WantsCommandLine(const std::vector<std::string_view>& arguments);

// Runs the command line and returns the exit status.
// - Unknown options, both --euro and --lire, or amounts with neither:
//   kExitUsage, with a message on `err`.
// - Amounts after --euro or --lire (or attached with "="): each converted
//   and printed on a line of its own.
// - No amount: standard input, one amount a line (a final "\r" dropped, an
//   empty line being no number), one output line per input line.
// An amount that is not a number, or whose conversion is beyond the largest
// double, gets an empty output line and a message on `err` naming it (and
// its line on standard input); the others still convert, and the status is
// kExitNotConverted. Messages quote at most 40 characters of a text, with
// control characters and bytes that are no UTF-8 escaped. A failed read or
// write is reported and gives kExitNotConverted.
int RunCommandLine(const std::vector<std::string_view>& arguments,
                   const NumberConventions& conventions, std::istream& in,
                   std::ostream& out, std::ostream& err);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_COMMAND_LINE_H_

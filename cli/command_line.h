// The converter from a terminal and in scripts: `eurolire --euro 12` prints
// the lire, `eurolire --lire` converts standard input line by line,
// `eurolire --testo` gives the amounts of whole texts their equivalents, and
// `--help` and `--version` answer. Standard C++ only, so it needs no display
// and the window's start pays nothing for it. Reading, rounding and
// formatting are the window's (converter/conversion.h).
#ifndef EUROLIRE_CLI_COMMAND_LINE_H_
#define EUROLIRE_CLI_COMMAND_LINE_H_

#include <string_view>
#include <vector>

#include "cli/byte_streams.h"
#include "converter/number_text.h"

namespace eurolire {

// The exit statuses of a command-line run: every amount converted (or help
// and version written); an amount not converted, or the input or output
// failed; the arguments make no sense.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitNotConverted = 1;
inline constexpr int kExitUsage = 2;

// True for the command line's own options: --help, -h, --version, --euro,
// --lire, --testo, and --euro=AMOUNT or --lire=AMOUNT.
bool IsOwnOption(std::string_view argument);

// True for what the command line takes for an option rather than an amount:
// "--anything", "-x"; not "-5" or "-,5", which are amounts.
bool LooksLikeOption(std::string_view argument);

// Runs the command line and returns the exit status.
// - Unknown options, both --euro and --lire, or amounts with neither:
//   kExitUsage, with a message on `err`.
// - Amounts after --euro or --lire (or attached with "="): each converted
//   and printed on a line of its own.
// - No amount: `in`, one amount a line (a final "\r" dropped, an
//   empty line being no number), one output line per input line.
// - --testo and file names (`files`; "-" or none is `in`): each text
//   written to `out` as it is but for every amount's equivalent beside it
//   (converter/amounts_in_text.h), streamed; a file that cannot be read is
//   named on `err`, the others still convert, and the status is kExitUsage.
// An amount that is not a number, or whose conversion is beyond the largest
// double, gets an empty output line and a message on `err` naming it (and
// its line on `in`); the others still convert, and the status is
// kExitNotConverted. Messages quote at most 40 characters of a text, with
// control characters and bytes that are no UTF-8 escaped. A failed read or
// write is reported and gives kExitNotConverted. `out` is written in
// blocks, `err` too unless it is interactive. The help names
// `window_program`, if given, as the program that opens the window.
int RunCommandLine(const std::vector<std::string_view>& arguments,
                   const NumberConventions& conventions, ByteInput& in,
                   ByteOutput& out, ByteOutput& err, ByteFiles& files,
                   std::string_view window_program = {});

}  // namespace eurolire

#endif  // EUROLIRE_CLI_COMMAND_LINE_H_

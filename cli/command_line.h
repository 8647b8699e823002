// The converter from a terminal and in scripts: `eurolire --euro 12` prints
// the lire, `eurolire --lire` converts standard input line by line,
// `eurolire --testo` gives the amounts of whole texts their equivalents, and
// `--help` and `--version` answer. Standard C++ only, so it needs no display
// and the window's start pays nothing for it. Reading, rounding and
// formatting are the window's (converter/conversion.h). The options are
// those of cli/options.h, the help cli/help_text.h's.
#ifndef EUROLIRE_CLI_COMMAND_LINE_H_
#define EUROLIRE_CLI_COMMAND_LINE_H_

#include <string_view>
#include <vector>

#include "cli/byte_streams.h"
#include "cli/exit_status.h"
#include "cli/options.h"
#include "converter/number_text.h"

namespace eurolire {

// Runs the command line and returns the exit status.
// - Unknown options, both --euro and --lire, or amounts with neither:
//   kExitUsage, with a message on `err`.
// - Amounts after --euro or --lire (or attached with "="), or none and
//   `in`: cli/amount_lines.h.
// - --testo and file names (`files`; "-" or none is `in`):
//   cli/text_mode.h.
// Messages quote at most 40 characters of a text, with control characters
// and bytes that are no UTF-8 escaped. A failed read or write is reported
// and gives kExitNotConverted. `out` is written in blocks, `err` too unless
// it is interactive. The help names `window_program`, if given, as the
// program that opens the window.
int RunCommandLine(const std::vector<std::string_view>& arguments,
                   const NumberConventions& conventions, ByteInput& in,
                   ByteOutput& out, ByteOutput& err, ByteFiles& files,
                   std::string_view window_program = {});

}  // namespace eurolire

#endif  // EUROLIRE_CLI_COMMAND_LINE_H_

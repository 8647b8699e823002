// `eurolire --euro` and `--lire`: amounts converted one by one, from the
// arguments or from standard input one a line, each result on a line of its
// own, so that a column of amounts converts in one pipe.
#ifndef EUROLIRE_CLI_AMOUNT_LINES_H_
#define EUROLIRE_CLI_AMOUNT_LINES_H_

#include <string_view>
#include <vector>

#include "cli/byte_streams.h"
#include "converter/conversion.h"
#include "converter/number_text.h"

namespace eurolire {

// Converts `amounts` from `source`'s currency, or, when there are none,
// each line of `in` (a byte-order mark at its start skipped, a final "\r"
// dropped, an empty line being no number), and returns the exit status
// (cli/exit_status.h). An amount that does not convert gets an empty line on
// `out` and a message on `err` naming it, and its line on `in`, in the words
// of the windows' report (form/error_text.h); the others still convert.
// Reading stops at the first failed write.
int ConvertAmountLines(Field source,
                       const std::vector<std::string_view>& amounts,
                       const NumberConventions& conventions, ByteInput& in,
                       BufferedOutput& out, BufferedOutput& err);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_AMOUNT_LINES_H_

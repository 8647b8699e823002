// `eurolire --testo`: whole texts written as they are, but for every
// amount's equivalent beside it (converter/amounts_in_text.h), streamed.
#ifndef EUROLIRE_CLI_TEXT_MODE_H_
#define EUROLIRE_CLI_TEXT_MODE_H_

#include <string_view>
#include <vector>

#include "cli/byte_streams.h"
#include "converter/number_text.h"

namespace eurolire {

// Writes each of `files` (standard input, `in`, for "-" or when there are
// none) to `out`, every byte kept, with the equivalents added, and returns
// the exit status (cli/exit_status.h). Amounts do not run from one file
// into the next. A file that cannot be read is named on `err`, the others
// still convert, and the status is kExitUsage.
int ConvertTexts(const std::vector<std::string_view>& files,
                 const NumberConventions& conventions, ByteInput& in,
                 ByteFiles& opener, BufferedOutput& out, BufferedOutput& err);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_TEXT_MODE_H_

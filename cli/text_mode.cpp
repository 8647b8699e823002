#include "cli/text_mode.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "cli/exit_status.h"
#include "cli/quoted_text.h"
#include "converter/amounts_in_text.h"

namespace eurolire {
namespace {

// Reads `input` to its end into `converter`; false when a read failed.
bool ConvertFile(ByteInput& input, TextConverter& converter) {
  std::string block(64 * 1024, '\0');
  for (;;) {
    const std::optional<std::size_t> read =
        input.Read(block.data(), block.size());
    if (!read) return false;
    if (*read == 0) return true;
    converter.Take(std::string_view(block).substr(0, *read));
  }
}

}  // namespace

int ConvertTexts(const std::vector<std::string_view>& files,
                 const NumberConventions& conventions, ByteInput& in,
                 ByteFiles& opener, BufferedOutput& out, BufferedOutput& err) {
  out.SetVerbatim();
  TextConverter converter(conventions,
                          [&out](std::string_view piece) { out.Write(piece); });
  std::vector<std::string_view> names = files;
  if (names.empty()) names.push_back("-");
  int status = kExitSuccess;
  for (std::string_view name : names) {
    std::unique_ptr<ByteInput> file;
    if (name != "-") file = opener.Open(name);
    const bool read =
        (name == "-" || file) && ConvertFile(file ? *file : in, converter);
    converter.Finish();
    if (!read) {
      err.Write("eurolire: impossibile leggere " +
                (name == "-" ? std::string("lo standard input") : Quote(name)) +
                "\n");
      status = kExitUsage;
    }
    if (out.failed()) break;
  }
  if (!FlushResults(out, err)) return kExitNotConverted;
  // An amount found but beyond the range of a double has no equivalent.
  if (status == kExitSuccess && !converter.all_converted()) {
    return kExitNotConverted;
  }
  return status;
}

}  // namespace eurolire

#include "cli/command_line.h"

#include <string>

#include "cli/amount_lines.h"
#include "cli/help_text.h"
#include "cli/text_mode.h"
#include "form/product.h"

namespace eurolire {
namespace {

constexpr std::string_view kVersionText = "eurolire " EUROLIRE_VERSION "\n";
constexpr std::string_view kTryHelp = "Prova 'eurolire --help'.\n";

int Run(const std::vector<std::string_view>& arguments,
        const NumberConventions& conventions, ByteInput& in, ByteFiles& files,
        BufferedOutput& out, BufferedOutput& err,
        std::string_view window_program) {
  const Request request = ParseArguments(arguments);
  if (request.help || request.version) {
    out.Write(request.help ? HelpText(conventions, window_program)
                           : std::string(kVersionText));
    return FlushResults(out, err) ? kExitSuccess : kExitNotConverted;
  }
  if (!request.problem.empty()) {
    err.Write("eurolire: " + request.problem + '\n' + std::string(kTryHelp));
    return kExitUsage;
  }
  if (request.text) {
    return ConvertTexts(request.operands, conventions, in, files, out, err);
  }
  return ConvertAmountLines(*request.source, request.operands, conventions, in,
                            out, err);
}

}  // namespace

int RunCommandLine(const std::vector<std::string_view>& arguments,
                   const NumberConventions& conventions, ByteInput& in,
                   ByteOutput& out, ByteOutput& err, ByteFiles& files,
                   std::string_view window_program) {
  BufferedOutput buffered_out(out, false);
  BufferedOutput buffered_err(err, err.IsInteractive());
  const int status = Run(arguments, conventions, in, files, buffered_out,
                         buffered_err, window_program);
  buffered_err.Flush();
  return status;
}

}  // namespace eurolire

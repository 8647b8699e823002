#include "cli/amount_lines.h"

#include <cstdint>
#include <string>

#include "cli/exit_status.h"
#include "cli/quoted_text.h"
#include "converter/conversion.h"
#include "form/error_text.h"

namespace eurolire {
namespace {

// The UTF-8 byte-order mark that some editors on Windows put first.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Writes each amount's conversion, or an empty line and the reason, keeping
// whether every amount converted.
class AmountLineWriter {
 public:
  AmountLineWriter(Field source, const NumberConventions& conventions,
                   BufferedOutput& out, BufferedOutput& err)
      : source_(source), conventions_(conventions), out_(out), err_(err) {}

  // `line` is the amount's line on standard input, or 0 for an argument.
  void Convert(std::string_view text, std::int64_t line) {
    ConvertedText converted = ConvertText(text, source_, conventions_);
    if (!converted.fault) {
      converted.text += '\n';
      out_.Write(converted.text);
      return;
    }
    if (converted.fault == ConversionFault::kNotANumber) {
      Fail(line, Quote(text) + " " + std::string(kNotANumberText));
    } else {
      Fail(line, Quote(text) + ": " + std::string(kOverflowText));
    }
    // An empty line keeps the output in step with the input.
    out_.Write("\n");
  }

  bool all_converted() const { return all_converted_; }

 private:
  void Fail(std::int64_t line, const std::string& message) {
    all_converted_ = false;
    // One piece, so that an interactive standard error writes it at once.
    std::string text = "eurolire: ";
    if (line > 0) text += "riga " + std::to_string(line) + ": ";
    text += message;
    text += '\n';
    err_.Write(text);
  }

  Field source_;
  const NumberConventions& conventions_;
  BufferedOutput& out_;
  BufferedOutput& err_;
  bool all_converted_ = true;
};

}  // namespace

int ConvertAmountLines(Field source,
                       const std::vector<std::string_view>& amounts,
                       const NumberConventions& conventions, ByteInput& in,
                       BufferedOutput& out, BufferedOutput& err) {
  AmountLineWriter writer(source, conventions, out, err);
  if (!amounts.empty()) {
    for (std::string_view amount : amounts) writer.Convert(amount, 0);
  } else {
    LineReader lines(in);
    std::string line;
    LineReader::Status status = LineReader::Status::kLine;
    // A failed write stops the run: nothing more would reach the output.
    for (std::int64_t number = 1;
         !out.failed() &&
         (status = lines.ReadLine(line)) == LineReader::Status::kLine;
         ++number) {
      // Marks the encoding, not the amount.
      if (number == 1 && line.starts_with(kByteOrderMark)) {
        line.erase(0, kByteOrderMark.size());
      }
      // Files written on Windows end their lines with "\r\n".
      if (line.ends_with('\r')) line.pop_back();
      writer.Convert(line, number);
    }
    if (status == LineReader::Status::kFailed) {
      // What converted before the failure is still the user's.
      FlushResults(out, err);
      err.Write("eurolire: non è stato possibile leggere lo standard input\n");
      return kExitNotConverted;
    }
  }
  if (!FlushResults(out, err)) return kExitNotConverted;
  return writer.all_converted() ? kExitSuccess : kExitNotConverted;
}

}  // namespace eurolire

#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "converter/amount_reading.h"
#include "converter/characters.h"
#include "converter/double_chars.h"
#include "converter/number_text.h"

namespace eurolire {
namespace {

// Reads the whole text by the grammar stated in the header; nullopt when it
// is not a number. `IsNumberText` and `TextToDouble` both rest on it, so
// they cannot disagree.
std::optional<double> ReadNumber(std::string_view text,
                                 const NumberConventions& conventions) {
  const CurrencyWords currencies[] = {conventions.currency};
  const std::optional<AmountRead> read = ReadAmount(
      text, SkipBlanks(text, 0), conventions, currencies, Reading::kField);
  if (!read || SkipBlanks(text, read->end) != text.size()) return std::nullopt;
  return ToDouble(read->amount);
}

}  // namespace

bool IsNumberText(std::string_view text, const NumberConventions& conventions) {
  return ReadNumber(text, conventions).has_value();
}

double TextToDouble(std::string_view text,
                    const NumberConventions& conventions) {
  std::optional<double> value = ReadNumber(text, conventions);
  // The text itself stays out of the message: it may be a megabyte paste.
  if (!value) throw TypeMismatchError("the text is not a number");
  return *value;
}

double LeadingNumber(std::string_view text,
                     const NumberConventions& conventions) {
  std::size_t pos = SkipBlanks(text, 0);
  bool negative = false;
  const bool plus_minus = TakePlusMinus(text, pos, negative);
  if (const std::size_t designation =
          DesignationAt(text, pos, conventions.currency)) {
    pos = SkipBlanks(text, pos + designation);
    if (!plus_minus) TakePlusMinus(text, pos, negative);
  }
  std::string plain = negative ? "-0" : "0";
  while (IsDigitAt(text, pos)) plain.push_back(text[pos++]);
  if (pos < text.size() && text[pos] == '.') {
    plain.push_back(text[pos++]);
    while (IsDigitAt(text, pos)) plain.push_back(text[pos++]);
  }
  double value = 0;
  const auto [end, error] =
      ReadDouble(plain.data(), plain.data() + plain.size(), value,
                 std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Digits enough to leave the range: the largest magnitude, signed.
    const bool large = plain.find_first_of("123456789") < plain.find('.');
    const double magnitude =
        large ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
  }
  return value;
}

}  // namespace eurolire

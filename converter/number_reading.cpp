#include <charconv>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "converter/amount_reading.h"
#include "converter/characters.h"
#include "converter/double_chars.h"
#include "converter/number_text.h"

namespace eurolire {

std::optional<DecimalAmount> ReadFieldAmount(
    std::string_view text, const NumberConventions& conventions) {
  const CurrencyWords currencies[] = {conventions.currency};
  std::optional<AmountRead> read = ReadAmount(
      text, SkipBlanks(text, 0), conventions, currencies, Reading::kField);
  if (!read || SkipBlanks(text, read->end) != text.size() ||
      IsBeyondDoubleRange(read->amount)) {
    return std::nullopt;
  }
  return std::move(read->amount);
}

bool IsNumberText(std::string_view text, const NumberConventions& conventions) {
  return ReadFieldAmount(text, conventions).has_value();
}

double TextToDouble(std::string_view text,
                    const NumberConventions& conventions) {
  const std::optional<DecimalAmount> amount =
      ReadFieldAmount(text, conventions);
  // The text itself stays out of the message: it may be a megabyte paste.
  if (!amount) throw TypeMismatchError("the text is not a number");
  // Within the range of a double, as the reading checked.
  return *ToDouble(*amount);
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

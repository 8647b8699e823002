#include "converter/decimal_amount.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <system_error>

#include "converter/double_chars.h"

namespace eurolire {
namespace {

// The digits without leading or trailing zeros, and the exponent that
// keeps their value.
DecimalAmount Normalized(const DecimalAmount& amount) {
  DecimalAmount normal = amount;
  const std::size_t first = normal.digits.find_first_not_of('0');
  if (first == std::string::npos) return {};
  const std::size_t last = normal.digits.find_last_not_of('0');
  normal.exponent += static_cast<std::int64_t>(normal.digits.size() - 1 - last);
  normal.digits = normal.digits.substr(first, last + 1 - first);
  return normal;
}

}  // namespace

std::optional<double> ToDouble(const DecimalAmount& amount) {
  const double zero = amount.negative ? -0.0 : 0.0;
  const std::size_t first = amount.digits.find_first_not_of('0');
  if (first == std::string::npos) return zero;
  // The power of ten of the leading digit, plus one: beyond 310 no double
  // holds it, below -330 it rounds to zero.
  const std::int64_t magnitude =
      static_cast<std::int64_t>(amount.digits.size() - first) + amount.exponent;
  if (magnitude > 310) return std::nullopt;
  if (magnitude < -330) return zero;
  // Amounts typed are short: they are written on the stack, not the heap.
  const std::string_view digits = std::string_view(amount.digits).substr(first);
  std::string long_text;
  char short_text[64];
  char* text = short_text;
  if (digits.size() + 24 > sizeof short_text) {
    long_text.resize(digits.size() + 24);
    text = long_text.data();
  }
  char* end = text;
  if (amount.negative) *end++ = '-';
  end = std::copy(digits.begin(), digits.end(), end);
  if (amount.exponent != 0) {
    *end++ = 'e';
    end = std::to_chars(end, end + 21, amount.exponent).ptr;
  }
  double value = 0;
  const auto [read_end, error] =
      ReadDouble(text, end, value, std::chars_format::general);
  if (error == std::errc::result_out_of_range) {
    if (magnitude > 0) return std::nullopt;
    return zero;
  }
  if (error != std::errc()) return std::nullopt;
  return value;
}

bool SameAmount(const DecimalAmount& a, const DecimalAmount& b) {
  const DecimalAmount x = Normalized(a);
  const DecimalAmount y = Normalized(b);
  if (x.digits.empty() || y.digits.empty()) {
    return x.digits.empty() && y.digits.empty();
  }
  return x.digits == y.digits && x.exponent == y.exponent &&
         x.negative == y.negative;
}

}  // namespace eurolire

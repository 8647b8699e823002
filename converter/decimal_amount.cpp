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

// 2^1024 - 2^970, halfway between the largest double and 2^1024: the least
// magnitude that a double rounds to infinity, a whole number of 309 digits.
constexpr std::string_view kBeyondDoubleDigits =
    "179769313486231580793728971405303415079934132710037826936173778980"
    "444968292764750946649017977587207096330286416692887910946555547851"
    "940402630657488671505820681908902000708383676273854845817711531764"
    "475730270069855571366959622842914819860834936475292719074168444365"
    "510704342711559699508093042880177904174497792";

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

bool IsBeyondDoubleRange(const DecimalAmount& amount) {
  const std::size_t first = amount.digits.find_first_not_of('0');
  if (first == std::string::npos) return false;
  const std::string_view digits = std::string_view(amount.digits).substr(first);
  // Integer digits: the power of ten of the leading digit, plus one.
  const std::int64_t magnitude =
      static_cast<std::int64_t>(digits.size()) + amount.exponent;
  const auto bound = static_cast<std::int64_t>(kBeyondDoubleDigits.size());
  if (magnitude != bound) return magnitude > bound;
  const std::size_t common =
      std::min(digits.size(), kBeyondDoubleDigits.size());
  const int order =
      digits.substr(0, common).compare(kBeyondDoubleDigits.substr(0, common));
  if (order != 0) return order > 0;
  // Equal so far: the amount's missing digits are zeros, the bound's are not
  // all zeros.
  return digits.size() >= kBeyondDoubleDigits.size() ||
         kBeyondDoubleDigits.find_first_not_of('0', common) ==
             std::string_view::npos;
}

bool IsAboveZero(const DecimalAmount& amount) {
  return !amount.negative &&
         amount.digits.find_first_not_of('0') != std::string::npos;
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

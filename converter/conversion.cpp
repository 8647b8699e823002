#include "converter/conversion.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace eurolire {
namespace {

std::string_view Significant(const std::string& digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? std::string_view()
                                    : std::string_view(digits).substr(first);
}

// The product of two whole numbers in decimal digits, by the schoolbook:
// the rate has at most 19 digits, so each column sum fits 64 bits.
std::string Multiply(std::string_view a, std::string_view b) {
  if (a.empty() || b.empty()) return {};
  std::vector<std::uint64_t> columns(a.size() + b.size(), 0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::uint64_t digit = static_cast<std::uint64_t>(a[i] - '0');
    for (std::size_t j = 0; j < b.size(); ++j) {
      columns[i + j + 1] += digit * static_cast<std::uint64_t>(b[j] - '0');
    }
  }
  std::string product(columns.size(), '0');
  std::uint64_t carry = 0;
  for (std::size_t k = columns.size(); k-- > 0;) {
    const std::uint64_t sum = columns[k] + carry;
    product[k] = static_cast<char>('0' + sum % 10);
    carry = sum / 10;
  }
  return product;
}

// The quotient of a whole number in decimal digits by `divisor` (> 0), and
// in `remainder` what is left.
std::string Divide(std::string_view digits, std::uint64_t divisor,
                   std::uint64_t& remainder) {
  // Up to here ten times the remainder plus a digit fits 64 bits.
  constexpr std::uint64_t kShortDivisor = UINT64_MAX / 10 - 1;
  std::string quotient(digits.size(), '0');
  std::uint64_t rest = 0;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const auto digit = static_cast<std::uint64_t>(digits[i] - '0');
    std::uint64_t q = 0;
    if (divisor <= kShortDivisor) {
      const std::uint64_t x = rest * 10 + digit;
      q = x / divisor;
      rest = x % divisor;
    } else {
      // 10 x rest + digit, modulo the divisor, one addition at a time.
      std::uint64_t x = digit;
      for (int n = 0; n < 10; ++n) {
        if (x >= divisor - rest) {
          x -= divisor - rest;
          ++q;
        } else {
          x += rest;
        }
      }
      rest = x;
    }
    quotient[i] = static_cast<char>('0' + q);
  }
  remainder = rest;
  return quotient;
}

// The whole number `digits` with its last `drop` digits rounded off, halves
// away from zero: up when the first digit dropped is 5 or more, or, when
// none is dropped, when `half_or_more` (of what a division left).
std::string RoundOff(std::string digits, std::size_t drop, bool half_or_more) {
  bool up = half_or_more;
  if (drop > 0) {
    up = drop <= digits.size() && digits[digits.size() - drop] >= '5';
    digits.resize(drop < digits.size() ? digits.size() - drop : 0);
  }
  if (!up) return digits;
  std::size_t i = digits.size();
  for (; i > 0 && digits[i - 1] == '9'; --i) digits[i - 1] = '0';
  if (i == 0) {
    digits.insert(digits.begin(), '1');
  } else {
    ++digits[i - 1];
  }
  return digits;
}

// How far a whole number must be shifted: zeros appended when `shift` is
// positive, digits dropped when negative.
std::size_t Dropped(std::int64_t shift) {
  return shift < 0 ? static_cast<std::size_t>(-shift) : 0;
}

void AppendZeros(std::string& digits, std::int64_t shift) {
  if (shift > 0) digits.append(static_cast<std::size_t>(shift), '0');
}

}  // namespace

NumberConventions FieldConventions(Field field, NumberConventions locale) {
  locale.currency = field == Field::Euro ? kEuroWords : kLireWords;
  return locale;
}

std::optional<DecimalAmount> ConvertAmount(const DecimalAmount& amount,
                                           Field source, CurrencyValue rate) {
  if (IsBeyondDoubleRange(amount)) return std::nullopt;
  // The rate is R / 10^4 lire to the euro, R its stored integer.
  const std::uint64_t r = rate.scaled < 0
                              ? 0 - static_cast<std::uint64_t>(rate.scaled)
                              : static_cast<std::uint64_t>(rate.scaled);
  DecimalAmount cents;
  cents.exponent = -2;
  cents.negative = amount.negative != (rate.scaled < 0);
  const std::string_view digits = Significant(amount.digits);
  if (source == Field::Euro) {
    // D x 10^e euros are D x R x 10^(e - 4) lire, D x R x 10^(e - 2) cents.
    std::string product = Multiply(digits, std::to_string(r));
    const std::int64_t shift = amount.exponent - 2;
    AppendZeros(product, shift);
    cents.digits = RoundOff(std::move(product), Dropped(shift), false);
  } else {
    if (r == 0) return std::nullopt;
    // D x 10^e lire are D x 10^(e + 4) / R euros, D x 10^(e + 6) / R cents.
    const std::int64_t shift = amount.exponent + 6;
    std::string numerator(digits);
    AppendZeros(numerator, shift);
    std::uint64_t remainder = 0;
    std::string quotient = Divide(numerator, r, remainder);
    cents.digits = RoundOff(std::move(quotient), Dropped(shift),
                            remainder >= r - remainder);
  }
  if (IsBeyondDoubleRange(cents)) return std::nullopt;
  return cents;
}

ConvertedText ConvertText(std::string_view text, Field source,
                          const NumberConventions& conventions) {
  const std::optional<DecimalAmount> amount =
      ReadFieldAmount(text, FieldConventions(source, conventions));
  if (!amount) return {{}, ConversionFault::kNotANumber};
  const std::optional<DecimalAmount> converted =
      ConvertAmount(*amount, source, CurrencyFromDouble(kLirePerEuro));
  if (!converted) return {{}, ConversionFault::kBeyondRange};
  return {FormatAmount(*converted, AmountFormat, conventions), std::nullopt};
}

}  // namespace eurolire

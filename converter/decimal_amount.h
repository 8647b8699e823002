// An amount as a text writes it, exact: its digits, a power of ten and a
// sign. Readers keep it so, and the conversion works on it exactly, so "1,5
// milioni" is exactly 1.500.000 and 51.645.689,98 euros exactly
// 100.000.000.137,5746… lire, never their nearest doubles.
#ifndef EUROLIRE_CONVERTER_DECIMAL_AMOUNT_H_
#define EUROLIRE_CONVERTER_DECIMAL_AMOUNT_H_

#include <cstdint>
#include <optional>
#include <string>

namespace eurolire {

// digits x 10^exponent, negated when `negative`.
struct DecimalAmount {
  std::string digits;  // perhaps with leading zeros; empty is zero
  std::int64_t exponent = 0;
  bool negative = false;
};

// The double nearest to `amount`, or nothing when it rounds beyond the
// largest double; an amount too small for a double is a zero of its sign.
std::optional<double> ToDouble(const DecimalAmount& amount);

// True when a double would round `amount` beyond the largest double, that
// is when its magnitude is 2^1024 - 2^970 or more; decided on the digits,
// with no double. Amounts read from a field must stay below that bound, and
// so must converted amounts.
bool IsBeyondDoubleRange(const DecimalAmount& amount);

// True when `amount` is greater than zero.
bool IsAboveZero(const DecimalAmount& amount);

// Whether the two denote the same number, whatever their zeros: 1.250,50
// and 1250 + 50/100.
bool SameAmount(const DecimalAmount& a, const DecimalAmount& b);

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_DECIMAL_AMOUNT_H_

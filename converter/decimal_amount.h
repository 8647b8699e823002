// An amount as a text writes it, exact: its digits, a power of ten and a
// sign. Readers keep it so until `ToDouble` rounds it once, so "1,5
// milioni" is exactly 1.500.000, never 1.5 x 10^6 in binary.
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

// Whether the two denote the same number, whatever their zeros: 1.250,50
// and 1250 + 50/100.
bool SameAmount(const DecimalAmount& a, const DecimalAmount& b);

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_DECIMAL_AMOUNT_H_

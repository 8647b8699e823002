#include <cmath>
#include <cstdint>

#include "converter/number_text.h"

namespace eurolire {

CurrencyValue CurrencyFromDouble(double value) {
  const double scaled = std::round(value * 10'000.0);
  // 2^63 is exact as a double; every double below it fits in an int64.
  constexpr double kLimit = 9'223'372'036'854'775'808.0;
  if (!(scaled >= -kLimit && scaled < kLimit)) {
    throw OverflowError("amount outside the currency range");
  }
  return CurrencyValue{static_cast<std::int64_t>(scaled)};
}

double CurrencyToDouble(CurrencyValue value) {
  return static_cast<double>(value.scaled) / 10'000.0;
}

}  // namespace eurolire

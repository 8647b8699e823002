#include "converter/conversion.h"

#include <cmath>
#include <utility>

#include "converter/run_time_error.h"

namespace eurolire {

NumberConventions FieldConventions(Field field, NumberConventions locale) {
  locale.currency = field == Field::Euro ? kEuroWords : kLireWords;
  return locale;
}

double ConvertAmount(double amount, Field source, CurrencyValue rate) {
  const double lire_per_euro = CurrencyToDouble(rate);
  if (source == Field::Lire && lire_per_euro == 0) {
    throw DivisionByZeroError("lire divided by a zero rate");
  }
  const double result =
      source == Field::Euro ? amount * lire_per_euro : amount / lire_per_euro;
  if (!std::isfinite(result)) {
    throw OverflowError("the converted amount is beyond the largest number");
  }
  return result;
}

std::string ConvertText(std::string_view text, Field source,
                        const NumberConventions& conventions) {
  const double amount =
      TextToDouble(text, FieldConventions(source, conventions));
  const double result =
      ConvertAmount(amount, source, CurrencyFromDouble(kLirePerEuro));
  return FormatAmount(result, AmountFormat, conventions);
}

}  // namespace eurolire

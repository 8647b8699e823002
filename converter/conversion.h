// One conversion between euros and lire at the irrevocable rate, with no
// window: the arithmetic the converter window runs on every keystroke, and
// the whole text-to-text conversion that the command line prints.
#ifndef EUROLIRE_CONVERTER_CONVERSION_H_
#define EUROLIRE_CONVERTER_CONVERSION_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "converter/decimal_amount.h"
#include "converter/number_text.h"

namespace eurolire {

// The two amount fields, or currencies, numbered as the converter records
// the active field.
enum class Field : std::int16_t { Euro = 1, Lire = 2 };

// Lire per euro, fixed by Council Regulation (EC) 2866/98.
inline constexpr double kLirePerEuro = 1936.27;

// How each currency is named around its amounts, before or after the
// number. Lire: "L.", "Lit." and "ITL" as on deeds and statements, "£" as
// on Italian price tags, "₤" the lira sign proper, "lire" and "lira" as
// laws and newspapers write them.
inline constexpr std::string_view kEuroDesignations[] = {"\u20AC", "EUR",
                                                         "euro", "euros"};
inline constexpr std::string_view kLireDesignations[] = {
    "L.",     "L",       "Lit.",    "Lit",  "ITL", "\u20A4",
    "\u00A3", "\u20A4.", "\u00A3.", "lire", "lira"};
inline constexpr CurrencyWords kEuroWords{.designations = kEuroDesignations,
                                          .cents_in_words = true};
inline constexpr CurrencyWords kLireWords{.designations = kLireDesignations};

// `locale`'s conventions with `field`'s currency: what that field's text is
// read with.
NumberConventions FieldConventions(Field field, NumberConventions locale);

// `amount` in `source`'s currency, in the other currency at `rate` lire per
// euro, exactly: times the rate from euros, divided by it from lire, the
// result rounded once to the cent, halves away from zero, as regulation
// (EC) 1103/97 rounds (0,5 euro are 968,135 lire, so 968,14). No double
// is involved. Nothing when `amount` or the result is beyond the range of
// a double (`IsBeyondDoubleRange`), the bound every front end reports, or
// for lire at a zero rate; never throws but for memory.
std::optional<DecimalAmount> ConvertAmount(const DecimalAmount& amount,
                                           Field source, CurrencyValue rate);

// Why a text has no conversion: it is not a number (`IsNumberText`), or the
// converted amount is beyond the range of a double.
enum class ConversionFault { kNotANumber, kBeyondRange };

// A text's conversion: the other currency's amount written, or why not.
struct ConvertedText {
  std::string text;                      // empty when there is a fault
  std::optional<ConversionFault> fault;  // nothing when `text` is the result
};

// The amount that `text` denotes under `conventions` with `source`'s
// currency, converted at the irrevocable rate and written with
// `AmountFormat`: in Italy "12" euros gives "23.235,24" and "L. 1.000.000"
// lire "516,46". Zero and negative amounts convert too ("-1" euro gives
// "-1.936,27"), and every digit written is exact. Never throws but for
// memory.
ConvertedText ConvertText(std::string_view text, Field source,
                          const NumberConventions& conventions);

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_CONVERSION_H_

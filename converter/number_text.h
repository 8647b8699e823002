// Number text: reading amounts that users type, writing amounts the way the
// user's locale writes them, and the fixed-point form of the rate. Every
// function is pure: it depends on its arguments only, never on global locale
// state, so callers pass the locale's conventions in.
#ifndef EUROLIRE_CONVERTER_NUMBER_TEXT_H_
#define EUROLIRE_CONVERTER_NUMBER_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "converter/run_time_error.h"

namespace eurolire {

// A locale's number conventions, as UTF-8 strings of any length (a French
// locale groups with U+202F, three bytes). The decimal separator must not be
// empty and the two must differ, or a written amount may not read back as
// itself; an empty grouping separator turns grouping off.
struct NumberConventions {
  std::string decimal_separator;   // "," in Italy, "." in England
  std::string grouping_separator;  // "." in Italy, "," in England
};

// An amount times 10,000 in a signed 64-bit integer: four exact decimals.
struct CurrencyValue {
  std::int64_t scaled = 0;
  friend bool operator==(CurrencyValue, CurrencyValue) = default;
};

// The pattern of every converted amount: grouped thousands, two decimals.
inline constexpr std::string_view AmountFormat = "##,##0.00";

// True when the whole text reads as a number under `conventions`. Grammar:
//  - blanks (space, tab, U+00A0, U+202F) may stand before and after the
//    number, never inside it;
//  - an optional "+" or "-" stands right before the first digit or decimal
//    separator: "- 5" is not a number;
//  - grouping separators only where they group thousands in the integer
//    part: in Italy "1.936,27" and "1.000.000" are numbers, while "1.5",
//    "1.93,6", "1000.000" and "1." are not; where the grouping separator is a
//    kind of space, an ordinary space groups too ("1 000" in France);
//  - at most one decimal separator, with digits on at least one side: "12,"
//    and ",5" are numbers, "," and "-" alone are not;
//  - no exponents, currency signs, radix prefixes or trailing signs;
//  - a value that rounds beyond the largest double is not a number; one too
//    small for a double reads as zero.
// Exactly the texts that `TextToDouble` converts; never throws.
bool IsNumberText(std::string_view text, const NumberConventions& conventions);

// The double nearest to the number the whole text denotes, by the grammar of
// `IsNumberText`: in Italy "1.000" is 1000, "0,5" is 0.5, "-5" is -5.
// Throws TypeMismatchError when `IsNumberText` is false for the text.
double TextToDouble(std::string_view text,
                    const NumberConventions& conventions);

// Writes `value` by a pattern of digit placeholders: "0" a digit always
// shown, "#" a digit shown only when significant, "," between integer
// placeholders groups the integer digits by threes, "." places the decimal
// separator. With `AmountFormat` in Italy: 1936.27 gives "1.936,27", 0.004
// gives "0,00", -1234.5 gives "-1.234,50".
// Rounding follows the euro conversion rules (regulation 1103/97): the double
// is first read as its nearest 15-significant-digit decimal (all a double
// holds faithfully), which is then rounded half away from zero: 0.5 x 1936.27
// is 968.135 exactly in decimal, held as 968.13499999999999 in binary, and is
// written 968,14. Digits beyond the fifteenth are written as zeros. Within a
// hair of the largest double, where the 15-digit reading would exceed it, 17
// digits are kept instead, so every text written is a number again. A value
// that rounds to zero is written without a sign.
// Throws std::invalid_argument on a pattern with other characters, or with
// "," or "#" after the decimal point; throws OverflowError on an infinite or
// NaN value.
std::string FormatAmount(double value, std::string_view pattern,
                         const NumberConventions& conventions);

// `value` times 10,000, rounded to the nearest integer (halves away from
// zero): 1936.27 becomes 19,362,700. Throws OverflowError on NaN or when the
// result leaves the signed 64-bit range.
CurrencyValue CurrencyFromDouble(double value);

// The stored integer divided by 10,000: 19,362,700 gives 1936.27.
double CurrencyToDouble(CurrencyValue value);

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_NUMBER_TEXT_H_

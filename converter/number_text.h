// Number text: reading amounts that users type, writing amounts the way the
// user's locale writes them, and the fixed-point form of the rate. Every
// function is pure: it depends on its arguments only, never on global locale
// state, so callers pass the locale's conventions in.
#ifndef EUROLIRE_CONVERTER_NUMBER_TEXT_H_
#define EUROLIRE_CONVERTER_NUMBER_TEXT_H_

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "converter/run_time_error.h"

namespace eurolire {

// The currency signs an amount may carry when read, as UTF-8 strings: those
// that may stand before the number ("€", "EUR", "L.") and those that may
// follow it ("€"). ASCII letters in a sign match in any case. The strings
// viewed must outlive the conventions that hold them (static tables do).
struct CurrencySigns {
  std::span<const std::string_view> before;
  std::span<const std::string_view> after;
};

// A locale's number conventions, as UTF-8 strings of any length (a French
// locale groups with U+202F, three bytes). The decimal separator must not be
// empty and the two must differ, or a written amount may not read back as
// itself; an empty grouping separator turns grouping off. The currency
// signs are the reading field's (none by default); writing ignores them.
struct NumberConventions {
  std::string decimal_separator;   // "," in Italy, "." in England
  std::string grouping_separator;  // "." in Italy, "," in England
  CurrencySigns currency_signs{};
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
//    separator, or right before a leading currency sign: "- 5" is not a
//    number, "-€ 5" and "€ -5" are;
//  - at most one currency sign of `conventions`, either one of its
//    `before` signs ahead of the number, blanks between or not ("€ 12",
//    "L.1.000", "lit. 1.000"), or one of its `after` signs behind it
//    ("12,50 €"); of two signs that both match, the longer is read ("Lit."
//    rather than "L"); a sign inside the number, two signs, a sign alone
//    or another currency's sign are not numbers;
//  - grouping separators only where they group thousands in the integer
//    part: in Italy "1.936,27" and "1.000.000" are numbers, while "1.5",
//    "1.93,6", "1000.000" and "1." are not; where the grouping separator is a
//    kind of space, an ordinary space groups too ("1 000" in France);
//  - at most one decimal separator, with digits on at least one side: "12,"
//    and ",5" are numbers, "," and "-" alone are not;
//  - no exponents, radix prefixes, trailing "+" or "-", nor letters after
//    the digits ("12a", "12 EUR");
//  - a value that rounds beyond the largest double is not a number; one too
//    small for a double reads as zero.
// Exactly the texts that `TextToDouble` converts; never throws.
bool IsNumberText(std::string_view text, const NumberConventions& conventions);

// The double nearest to the number the whole text denotes, by the grammar of
// `IsNumberText`: in Italy "1.000" is 1000, "0,5" is 0.5, "-5" is -5.
// Throws TypeMismatchError when `IsNumberText` is false for the text.
double TextToDouble(std::string_view text,
                    const NumberConventions& conventions);

// The text's leading number, read with "." as the decimal point whatever the
// conventions: after blanks and an optional leading currency sign of
// `conventions` (with the "+" or "-" that the grammar above allows around
// it), an optional "+" or "-", digits, then "." and digits; it stops at the
// first character that cannot continue that. A text that begins with no
// number reads as 0; digits beyond the range of a double read as infinity.
// "1.000" reads 1, "0,5" 0, "12a" 12, "1.936,27" 1.936; with the lire
// field's signs "L. 1.000" reads 1 and "L. -5" -5. Never throws but for
// memory.
double LeadingNumber(std::string_view text,
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
// Throws std::invalid_argument on a pattern with other characters, a "#"
// after a "0" before the point ("0#"), a "," at either end of the integer
// placeholders or beside another ",", any "," or second "." after the point,
// or a "0" after a "#" among the decimals ("0.#0"); "0.0#" is accepted and
// writes one or two decimals. Throws OverflowError on an infinite or NaN
// value.
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

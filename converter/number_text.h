// Number text: reading amounts that users type, writing amounts the way the
// user's locale writes them, and the fixed-point form of the rate. Every
// function is pure: it depends on its arguments only, never on global locale
// state, so callers pass the locale's conventions in.
#ifndef EUROLIRE_CONVERTER_NUMBER_TEXT_H_
#define EUROLIRE_CONVERTER_NUMBER_TEXT_H_

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "converter/decimal_amount.h"
#include "converter/run_time_error.h"

namespace eurolire {

// How amounts of one currency name it. Any of its designations may stand
// before the number or after it ("€ 12", "12 euro", "L.1.000", "1.000
// lire"), matched in any case, the longest first ("Lit." rather than "L").
// The strings viewed must outlive the conventions that hold them (static
// tables do).
struct CurrencyWords {
  std::span<const std::string_view> designations;
  // Cents may follow in words: "dodici euro e cinquanta centesimi".
  bool cents_in_words = false;
};

// A word after a number that multiplies it by 10^power: "150 mila",
// "1,5 milioni".
struct Multiplier {
  std::string_view word;
  int power;
};
inline constexpr Multiplier kMultipliers[] = {
    {"mila", 3},     {"milione", 6},  {"milioni", 6}, {"mln", 6},
    {"miliardo", 9}, {"miliardi", 9}, {"mld", 9}};

// A locale's number conventions, as UTF-8 strings of any length (a French
// locale groups with U+202F, three bytes). The decimal separator must not be
// empty and the two must differ, or a written amount may not read back as
// itself; an empty grouping separator turns the locale's grouping off
// (spaces still group). The currency is the reading field's (none by
// default); writing ignores it.
struct NumberConventions {
  std::string decimal_separator;   // "," in Italy, "." in England
  std::string grouping_separator;  // "." in Italy, "," in England
  CurrencyWords currency{};
};

// An amount times 10,000 in a signed 64-bit integer: four exact decimals.
struct CurrencyValue {
  std::int64_t scaled = 0;
  friend bool operator==(CurrencyValue, CurrencyValue) = default;
};

// The pattern of every converted amount: grouped thousands, two decimals.
inline constexpr std::string_view AmountFormat = "##,##0.00";

// The exact amount that the whole text denotes under `conventions`, blanks
// (space, tab, U+00A0, U+202F) before and after. An amount is, in order:
//  - an optional "+" or "-", right before the number or before a
//    designation of the currency that stands before it ("-€ 5", "€ -5";
//    not "- 5");
//  - at most one designation of `conventions.currency`, before the number
//    or after it, blanks between or none ("lire 1.000", "660euro",
//    "1.000 ₤"); a designation alone, two of them or another currency's
//    are not numbers;
//  - the number, in digits or in Italian words (converter/number_words.h);
//  - digits: grouping separators only where they group thousands in the
//    integer part, either the locale's ("1.936,27", "1.000.000" in Italy;
//    not "1.5", "1.93,6", "1000.000" or "1.") or, in every locale, a space,
//    U+00A0, U+2007, U+2009 or U+202F before exactly three digits ("1 500
//    000"), one kind in a number (where the locale's separator is itself a
//    space, every space is that one kind); at most one decimal separator, with
//    digits on at least one side ("12," and ",5"; not "," or "-");
//  - after the digits, optionally a multiplier of `kMultipliers`, blanks
//    between or none ("150 mila", "2mila", "1,5 milioni"), which "di" may
//    follow, blanks around it, before a designation after it ("1,5
//    milioni di euro"); or the
//    same amount in words in parentheses, as contracts write it ("100
//    (cento) euro", "1.250,50 (milleduecentocinquanta/50)"), which must
//    say the same amount, or the text is not a number;
//  - after a whole amount that ends in a multiplier or a scale word, the
//    smaller parts in digits, each with a smaller multiplier or, last,
//    none, "e" before them or not: "1 milione 200 mila", "un milione e 300
//    mila", "2 mila 500"; or "e mezzo"; "mezzo milione"; "di" before a
//    designation after digits of a million or more ("1.000.000 di lire");
//  - after words, optionally cents as cheques write them
//    ("milleduecentocinquanta/50"), and "di" before a designation after a
//    scale word ("un milione e mezzo di lire");
//  - where the currency has `cents_in_words`, after an amount with no
//    decimals and after its designation if it has one after it: "e", 1 or
//    2 digits or words below cento, "centesimi" (or "centesimo"), blanks
//    between: "dodici euro e cinquanta centesimi", "2 mila euro e 5
//    centesimi", "euro quattromila e cinque centesimi"; right after a
//    designation after the number, also without "centesimi" ("11 euro e
//    50") or "e mezzo" ("5 euro e mezzo"); "cents" for "centesimi".
// Letters may not run on into letters ("12a", "12 euroo", "dodicimilla"),
// and nothing else may stand after the amount: not an exponent, a radix
// prefix, a trailing "+" or "-", two multipliers ("12 mila mila") or
// parentheses around it ("(€ 12)", accounting's negative amount). A value
// that a double would round beyond the largest double is not a number.
// Nothing when the text is not a number; never throws but for memory.
std::optional<DecimalAmount> ReadFieldAmount(
    std::string_view text, const NumberConventions& conventions);

// True when `ReadFieldAmount` reads an amount: exactly the texts that
// `TextToDouble` converts; never throws.
bool IsNumberText(std::string_view text, const NumberConventions& conventions);

// The double nearest to the number the whole text denotes, by the grammar of
// `ReadFieldAmount`: in Italy "1.000" is 1000, "0,5" is 0.5, "-5" is -5; one
// too small for a double reads as zero.
// Throws TypeMismatchError when `IsNumberText` is false for the text.
double TextToDouble(std::string_view text,
                    const NumberConventions& conventions);

// The text's leading number, read with "." as the decimal point whatever the
// conventions: after blanks and an optional leading designation of
// `conventions.currency`, words included (with the "+" or "-" that the
// grammar above allows around it), an optional "+" or "-", digits, then "."
// and digits; it stops at the first character that cannot continue that,
// and reads no multiplier and no number words. A text that begins with no
// digits reads as 0; digits beyond the range of a double read as infinity.
// "1.000" reads 1, "0,5" 0, "12a" 12, "1.936,27" 1.936; with the lire
// field's designations "L. 1.000" and "lire 1.000" read 1, "L. -5" -5 and
// "lire cinquecentomila" 0. Never throws but for memory.
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

// Writes the exact `amount` by the same pattern, rounded once to the
// pattern's decimals, halves away from zero, every digit exact: 100000000137,57
// lire are written "100.000.000.137,57". Throws as above, and OverflowError
// when `IsBeyondDoubleRange(amount)`.
std::string FormatAmount(const DecimalAmount& amount, std::string_view pattern,
                         const NumberConventions& conventions);

// `value` times 10,000, rounded to the nearest integer (halves away from
// zero): 1936.27 becomes 19,362,700. Throws OverflowError on NaN or when the
// result leaves the signed 64-bit range.
CurrencyValue CurrencyFromDouble(double value);

// The stored integer divided by 10,000: 19,362,700 gives 1936.27.
double CurrencyToDouble(CurrencyValue value);

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_NUMBER_TEXT_H_

// The grammar of an amount as documents write it, read from any position:
// what the fields read whole (converter/number_text.h) and what a scan of a
// text finds inside it.
#ifndef EUROLIRE_CONVERTER_AMOUNT_READING_H_
#define EUROLIRE_CONVERTER_AMOUNT_READING_H_

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "converter/decimal_amount.h"
#include "converter/number_text.h"

namespace eurolire {

// The length of the longest of `currency`'s designations at `pos`, a whole
// word where it ends in a letter ("L" is not at the start of "Lotto"), or 0.
std::size_t DesignationAt(std::string_view text, std::size_t pos,
                          const CurrencyWords& currency);

// Where the grammar is read: a field's whole text, or an amount found in
// running text, where a decimal separator must have digits after it ("lire
// 850.000, la sanzione"), "L" and "lit." after a number are more often
// litres, and a line break may stand wherever a blank may, as fixed-width
// texts break lines.
enum class Reading { kField, kText };

struct AmountRead {
  DecimalAmount amount;
  std::size_t end = 0;  // just past the amount
  // The currency whose designation the amount carries, as an index into
  // the currencies read with; nothing when it carries none.
  std::optional<std::size_t> currency;
  // Where that designation stands, and whether before the number.
  std::size_t designation_begin = 0;
  std::size_t designation_end = 0;
  bool designation_first = false;
  // The first number's digits and separators ("1.250,00" of "euro 1.250,00
  // (milleduecentocinquanta/00)"); empty for words.
  std::size_t digits_begin = 0;
  std::size_t digits_end = 0;
  // The power of the multiplier after the digits: 3 for "500 mila".
  int scale_power = 0;
  // The number is only an article, "un", "una" or "uno", with no cents.
  bool lone_article = false;
};

// Reads the amount that begins at `pos` by the grammar that number_text.h
// states for `IsNumberText`, as far as the text goes on with it, with the
// designations of any of `currencies`: in "lire 850.000 mensili" it reads
// "lire 850.000". Nothing when no amount begins at `pos`, or when what
// begins there cannot be an amount: a grouping separator out of place
// ("1000.000"), digits and words in parentheses that differ ("1.000
// (duemila)"); then `stopped_at`, if given, is past what was read, where a
// scan of the text goes on. Linear in what it reads; never throws but for
// memory.
std::optional<AmountRead> ReadAmount(std::string_view text, std::size_t pos,
                                     const NumberConventions& conventions,
                                     std::span<const CurrencyWords> currencies,
                                     Reading reading,
                                     std::size_t* stopped_at = nullptr);

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_AMOUNT_READING_H_

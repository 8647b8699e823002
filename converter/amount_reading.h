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
// 850.000, la sanzione") and "L" after a number is more often litres.
enum class Reading { kField, kText };

struct AmountRead {
  DecimalAmount amount;
  std::size_t end = 0;  // just past the amount
  // The currency whose designation the amount carries, as an index into
  // the currencies read with; nothing when it carries none.
  std::optional<std::size_t> currency;
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

#include "converter/amounts_in_text.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <limits>
#include <optional>
#include <utility>

#include "converter/amount_reading.h"
#include "converter/characters.h"
#include "converter/run_time_error.h"

namespace eurolire {
namespace {

// Both currencies, in the order of `CurrencyOf`.
constexpr std::array<CurrencyWords, 2> kCurrencies = {kEuroWords, kLireWords};

Field CurrencyOf(std::size_t index) {
  return index == 0 ? Field::Euro : Field::Lire;
}

// A number before one of these is a day of a date, not an amount.
constexpr std::string_view kMonths[] = {
    "gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
    "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};

// The sign an equivalent is written with.
std::string_view SignOf(Field currency) {
  return currency == Field::Euro ? "\u20AC" : "L.";
}

// The length of the UTF-8 character at `pos`, or 1 for a byte that begins
// none, so that a scan never starts inside a character.
std::size_t CharacterAt(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  const std::size_t size = lead < 0xC2   ? 1
                           : lead < 0xE0 ? 2
                           : lead < 0xF0 ? 3
                                         : 4;
  std::size_t length = 1;
  while (length < size && pos + length < text.size() &&
         (static_cast<unsigned char>(text[pos + length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

class Scan {
 public:
  Scan(std::string_view text, const NumberConventions& locale)
      : text_(text), locale_(locale) {}

  std::vector<AmountInText> Run() {
    std::vector<AmountInText> found;
    for (std::size_t pos = 0; pos < text_.size();) {
      if (!CanStart(pos)) {
        pos += CharacterAt(text_, pos);
        continue;
      }
      std::size_t stopped_at = pos;
      const std::optional<AmountRead> read = ReadAmount(
          text_, pos, locale_, kCurrencies, Reading::kText, &stopped_at);
      if (read && read->currency && EndsAnAmount(read->end)) {
        found.push_back(Found(pos, *read));
        pos = found.back().annotated_end;
        continue;
      }
      // Nothing that begins inside what was read, or inside a word or a
      // number, is an amount: the scan goes on after them, so no byte is
      // read more than a few times.
      pos = std::max({read ? read->end : stopped_at, NumberEnd(pos),
                      WordEnd(pos), pos + 1});
    }
    return found;
  }

 private:
  bool CanStart(std::size_t pos) const {
    const char c = text_[pos];
    if (IsDigit(c) || c == '+' || c == '-') return true;
    if (const std::size_t decimal =
            PrefixAt(text_, pos, locale_.decimal_separator)) {
      return IsDigitAt(text_, pos + decimal);
    }
    if (LetterAt(text_, pos)) return !LetterBefore(text_, pos);
    // "€", "£" and "₤"; what else lies beyond ASCII the reading refuses.
    return static_cast<unsigned char>(c) >= 0x80;
  }

  // Whether what follows an amount read up to `end` lets it be one: not
  // run on into a word or a number ("L. 5x"), and not a law's number or a
  // date, which legal texts cite as "L. 241/1990" or "L. 12 agosto 2016".
  bool EndsAnAmount(std::size_t end) const {
    if (LetterAt(text_, end) || IsDigitAt(text_, end)) return false;
    if (end < text_.size() && text_[end] == '/' && IsDigitAt(text_, end + 1)) {
      return false;
    }
    const std::size_t word = SkipBlanks(text_, end);
    return word == end || std::none_of(std::begin(kMonths), std::end(kMonths),
                                       [&](std::string_view month) {
                                         return WordAt(text_, word, month) > 0;
                                       });
  }

  // Past the digits and separators between digits at `pos`.
  std::size_t NumberEnd(std::size_t pos) const {
    while (pos < text_.size()) {
      if (IsDigit(text_[pos])) {
        ++pos;
        continue;
      }
      std::size_t separator = PrefixAt(text_, pos, locale_.grouping_separator);
      if (separator == 0) {
        separator = PrefixAt(text_, pos, locale_.decimal_separator);
      }
      if (separator == 0 || !IsDigitAt(text_, pos + separator)) break;
      pos += separator;
    }
    return pos;
  }

  std::size_t WordEnd(std::size_t pos) const {
    while (std::size_t letter = LetterAt(text_, pos)) pos += letter;
    return pos;
  }

  AmountInText Found(std::size_t begin, const AmountRead& read) const {
    AmountInText amount{.begin = begin,
                        .end = read.end,
                        .currency = CurrencyOf(*read.currency)};
    amount.value = ToDouble(read.amount)
                       .value_or(read.amount.negative
                                     ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity());
    amount.annotated_end = EquivalentEnd(amount);
    return amount;
  }

  // Past " (€ 516,46)" after `amount`: an amount of the other currency,
  // alone in parentheses. Else `amount.end`.
  std::size_t EquivalentEnd(const AmountInText& amount) const {
    const std::size_t open = SkipBlanks(text_, amount.end);
    if (open >= text_.size() || text_[open] != '(') return amount.end;
    const CurrencyWords other[] = {amount.currency == Field::Euro ? kLireWords
                                                                  : kEuroWords};
    const std::optional<AmountRead> read = ReadAmount(
        text_, SkipBlanks(text_, open + 1), locale_, other, Reading::kText);
    if (!read || !read->currency) return amount.end;
    const std::size_t close = SkipBlanks(text_, read->end);
    if (close >= text_.size() || text_[close] != ')') return amount.end;
    return close + 1;
  }

  std::string_view text_;
  const NumberConventions& locale_;
};

}  // namespace

std::vector<AmountInText> FindAmounts(std::string_view text,
                                      const NumberConventions& locale) {
  return Scan(text, locale).Run();
}

std::optional<std::string> EquivalentOf(const AmountInText& amount,
                                        const NumberConventions& locale) {
  if (amount.annotated_end != amount.end) return std::nullopt;
  try {
    const double converted = ConvertAmount(amount.value, amount.currency,
                                           CurrencyFromDouble(kLirePerEuro));
    const Field other =
        amount.currency == Field::Euro ? Field::Lire : Field::Euro;
    return " (" + std::string(SignOf(other)) + " " +
           FormatAmount(converted, AmountFormat, locale) + ")";
  } catch (const OverflowError&) {
    return std::nullopt;  // beyond the largest double
  }
}

std::string WithEquivalents(std::string_view text,
                            const NumberConventions& locale,
                            std::vector<InsertedSpan>* inserted) {
  std::string converted;
  converted.reserve(text.size());
  std::size_t copied = 0;
  for (const AmountInText& amount : FindAmounts(text, locale)) {
    if (std::optional<std::string> equivalent = EquivalentOf(amount, locale)) {
      converted.append(text, copied, amount.end - copied);
      if (inserted) {
        inserted->push_back(
            {converted.size(), converted.size() + equivalent->size()});
      }
      converted += *equivalent;
      copied = amount.end;
    }
  }
  converted.append(text, copied);
  return converted;
}

TextConverter::TextConverter(NumberConventions locale,
                             std::function<void(std::string_view)> write)
    : locale_(std::move(locale)), write_(std::move(write)) {}

void TextConverter::Take(std::string_view piece) {
  const std::size_t before = pending_.size();
  pending_ += piece;
  // Only the new piece is searched: a long line is not searched again and
  // again.
  const std::size_t line_end = piece.rfind('\n');
  if (line_end != std::string_view::npos) {
    Convert(before + line_end + 1);
  } else if (pending_.size() > kLongestLine) {
    // A character no amount holds, or else a blank: an amount may be cut
    // only on a line of a megabyte with neither.
    std::size_t cut = pending_.size();
    while (cut > 0) {
      const char c = pending_[cut - 1];
      const bool in_amounts =
          static_cast<unsigned char>(c) >= 0x80 ||
          LetterAt(pending_, cut - 1) || IsDigit(c) ||
          std::string_view(" \t.,'/()+-").find(c) != std::string_view::npos;
      if (!in_amounts) break;
      --cut;
    }
    if (cut == 0) cut = pending_.find_last_of(" \t") + 1;
    Convert(cut == 0 ? pending_.size() : cut);
  }
}

void TextConverter::Finish() { Convert(pending_.size()); }

void TextConverter::Convert(std::size_t size) {
  const std::string converted =
      WithEquivalents(std::string_view(pending_).substr(0, size), locale_);
  if (!converted.empty()) write_(converted);
  pending_.erase(0, size);
}

}  // namespace eurolire

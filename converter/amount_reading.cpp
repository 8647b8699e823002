#include "converter/amount_reading.h"

#include <algorithm>
#include <string>

#include "converter/characters.h"
#include "converter/number_words.h"

namespace eurolire {
namespace {

// A designation of a single letter, dotted or not ("L", "L."): after a
// number in running text it more often means litres.
bool IsOneLetter(std::string_view designation) {
  const std::size_t letter = LetterAt(designation, 0);
  return letter > 0 &&
         (designation.size() == letter || designation.substr(letter) == ".");
}

struct Designation {
  std::size_t end;
  std::size_t currency;
};

// How a grouping separator groups: the locale's own, or a kind of space.
enum class Grouping { kNone, kLocale, kSpace };

// One amount read left to right, each part taken only when it is whole, so
// nothing is read twice but a word or two of lookahead.
class AmountParser {
 public:
  AmountParser(std::string_view text, const NumberConventions& conventions,
               std::span<const CurrencyWords> currencies, Reading reading)
      : text_(text),
        conventions_(conventions),
        currencies_(currencies),
        reading_(reading),
        locale_groups_with_space_(
            SpaceSeparatorAt(conventions.grouping_separator, 0) ==
            conventions.grouping_separator.size()) {}

  std::optional<AmountRead> Read(std::size_t pos, std::size_t* stopped_at) {
    AmountRead read;
    bool plus_minus = TakePlusMinus(text_, pos, read.amount.negative);
    if (const auto designation = DesignationOf(pos, false)) {
      read.currency = designation->currency;
      pos = SkipBlanks(text_, designation->end);
      if (!plus_minus) TakePlusMinus(text_, pos, read.amount.negative);
    }
    Quantity quantity;
    if (!ReadQuantity(pos, read.amount, quantity)) {
      if (stopped_at) *stopped_at = std::max(pos, stopped_at_);
      return std::nullopt;
    }
    if (!read.currency) {
      std::size_t at = SkipBlanks(text_, pos);
      // "di" only before the designation: "1,5 milioni di euro".
      if (const std::size_t di =
              quantity.scaled ? WordAt(text_, at, "di") : 0) {
        const std::size_t word = SkipBlanks(text_, at + di);
        if (word > at + di && DesignationOf(word, true)) at = word;
      }
      if (const auto designation = DesignationOf(at, true)) {
        read.currency = designation->currency;
        pos = designation->end;
      }
    }
    if (quantity.whole && CentsInWords(read.currency)) {
      TakeCentsInWords(pos, read.amount);
    }
    read.end = pos;
    return read;
  }

 private:
  struct Quantity {
    bool whole = true;    // no decimals: cents may follow in words
    bool scaled = false;  // ends in a multiplier or a scale word
  };

  std::optional<Designation> DesignationOf(std::size_t pos,
                                           bool after_number) const {
    std::optional<Designation> longest;
    if (pos >= text_.size() || IsDigit(text_[pos])) return longest;
    for (std::size_t i = 0; i < currencies_.size(); ++i) {
      for (std::string_view designation : currencies_[i].designations) {
        if (after_number && reading_ == Reading::kText &&
            IsOneLetter(designation)) {
          continue;
        }
        const std::size_t size = WordAt(text_, pos, designation);
        if (size > 0 && (!longest || pos + size > longest->end)) {
          longest = Designation{pos + size, i};
        }
      }
    }
    return longest;
  }

  bool CentsInWords(std::optional<std::size_t> currency) const {
    if (currency) return currencies_[*currency].cents_in_words;
    for (const CurrencyWords& words : currencies_) {
      if (words.cents_in_words) return true;
    }
    return false;
  }

  std::size_t DigitsFrom(std::size_t pos) const {
    std::size_t end = pos;
    while (IsDigitAt(text_, end)) ++end;
    return end - pos;
  }

  // The number at `pos`, in digits or words, with what may follow it
  // directly; false when none is there or it is malformed.
  bool ReadQuantity(std::size_t& pos, DecimalAmount& amount,
                    Quantity& quantity) const {
    const std::size_t decimal =
        PrefixAt(text_, pos, conventions_.decimal_separator);
    if (IsDigitAt(text_, pos) || (decimal && IsDigitAt(text_, pos + decimal))) {
      if (!ReadDigits(pos, amount, quantity)) return false;
      const std::size_t after = SkipBlanks(text_, pos);
      for (const Multiplier& multiplier : kMultipliers) {
        if (LetterAt(text_, after) == 0) break;
        if (const std::size_t size = WordAt(text_, after, multiplier.word)) {
          amount.exponent += multiplier.power;
          pos = after + size;
          quantity.scaled = true;
          return true;
        }
      }
      return TakeWordsInParentheses(pos, amount);
    }
    const std::optional<NumberWords> words = ReadNumberWords(text_, pos);
    if (!words) return false;
    amount.digits = std::to_string(words->value);
    pos = words->end;
    quantity.scaled = words->ends_in_scale;
    if (TakeChequeCents(pos, amount)) quantity = {.whole = false};
    return true;
  }

  // Digits with their grouping and decimals at `pos`. A locale's separator
  // before digits that do not make a group of three is no number at all
  // ("1000.000"), while a space there only ends it.
  bool ReadDigits(std::size_t& pos, DecimalAmount& amount,
                  Quantity& quantity) const {
    Grouping grouping = Grouping::kNone;
    std::size_t run = DigitsFrom(pos);
    const std::size_t integer_digits = run;
    amount.digits.append(text_.substr(pos, run));
    pos += run;
    for (std::size_t first_run = run; integer_digits > 0;) {
      Grouping kind = Grouping::kLocale;
      std::size_t separator =
          PrefixAt(text_, pos, conventions_.grouping_separator);
      if (separator == 0 || locale_groups_with_space_) {
        kind = Grouping::kSpace;
        if (separator == 0) separator = SpaceSeparatorAt(text_, pos);
      }
      if (separator == 0 || !IsDigitAt(text_, pos + separator)) break;
      run = DigitsFrom(pos + separator);
      if (run != 3 || first_run > 3 ||
          (grouping != Grouping::kNone && grouping != kind)) {
        if (kind == Grouping::kLocale) {
          stopped_at_ = pos + separator + run;
          return false;
        }
        break;
      }
      grouping = kind;
      first_run = 0;
      amount.digits.append(text_.substr(pos + separator, 3));
      pos += separator + 3;
    }
    const std::size_t decimal =
        PrefixAt(text_, pos, conventions_.decimal_separator);
    const std::size_t fraction = decimal ? DigitsFrom(pos + decimal) : 0;
    if (decimal && (fraction > 0 || reading_ == Reading::kField)) {
      amount.digits.append(text_.substr(pos + decimal, fraction));
      amount.exponent -= static_cast<std::int64_t>(fraction);
      pos += decimal + fraction;
      quantity.whole = false;
    }
    // A separator and digits still after the number: written in another
    // locale's way ("1.000.000" where "." is the decimal point), no amount.
    for (const std::string& separator :
         {conventions_.decimal_separator, conventions_.grouping_separator}) {
      if (const std::size_t size = PrefixAt(text_, pos, separator);
          size > 0 && IsDigitAt(text_, pos + size)) {
        stopped_at_ = pos + size;
        return false;
      }
    }
    return true;
  }

  // "/50" right after words, as on a cheque.
  bool TakeChequeCents(std::size_t& pos, DecimalAmount& amount) const {
    if (pos >= text_.size() || text_[pos] != '/' || DigitsFrom(pos + 1) != 2) {
      return false;
    }
    amount.digits.append(text_.substr(pos + 1, 2));
    amount.exponent -= 2;
    pos += 3;
    return true;
  }

  // " (cento)" after digits: taken when it says the same amount; false
  // when it says another.
  bool TakeWordsInParentheses(std::size_t& pos,
                              const DecimalAmount& amount) const {
    const std::size_t open = SkipBlanks(text_, pos);
    if (open >= text_.size() || text_[open] != '(') return true;
    const std::optional<NumberWords> words =
        ReadNumberWords(text_, SkipBlanks(text_, open + 1));
    if (!words) return true;
    DecimalAmount said{.digits = std::to_string(words->value)};
    std::size_t end = words->end;
    TakeChequeCents(end, said);
    end = SkipBlanks(text_, end);
    if (end >= text_.size() || text_[end] != ')') return true;
    said.negative = amount.negative;
    stopped_at_ = end + 1;  // where a scan goes on when they differ
    if (!SameAmount(said, amount)) return false;
    pos = end + 1;
    return true;
  }

  // " e cinquanta centesimi", " e 50 centesimi".
  void TakeCentsInWords(std::size_t& pos, DecimalAmount& amount) const {
    const std::size_t and_at = SkipBlanks(text_, pos);
    const std::size_t and_size = and_at > pos ? WordAt(text_, and_at, "e") : 0;
    const std::size_t number = SkipBlanks(text_, and_at + and_size);
    if (and_size == 0 || number == and_at + and_size) return;
    std::uint64_t cents = 0;
    std::size_t end = number;
    if (const std::size_t digits = DigitsFrom(number); digits > 0) {
      if (digits > 2) return;
      for (; end < number + digits; ++end)
        cents = cents * 10 + (text_[end] - '0');
    } else {
      const std::optional<NumberWords> words = ReadNumberWords(text_, number);
      if (!words || words->value >= 100 || words->ends_in_scale) return;
      cents = words->value;
      end = words->end;
    }
    const std::size_t word = SkipBlanks(text_, end);
    const std::size_t cent = word > end ? CentWordAt(text_, word) : 0;
    if (cent == 0) return;
    // Whole units first: "2 mila" is 2 x 10^3.
    amount.digits.append(static_cast<std::size_t>(amount.exponent), '0');
    amount.digits.push_back(static_cast<char>('0' + cents / 10));
    amount.digits.push_back(static_cast<char>('0' + cents % 10));
    amount.exponent = -2;
    pos = word + cent;
  }

  std::string_view text_;
  const NumberConventions& conventions_;
  std::span<const CurrencyWords> currencies_;
  Reading reading_;
  bool locale_groups_with_space_;
  // Past what a malformed amount was read to.
  mutable std::size_t stopped_at_ = 0;
};

}  // namespace

std::size_t DesignationAt(std::string_view text, std::size_t pos,
                          const CurrencyWords& currency) {
  std::size_t longest = 0;
  for (std::string_view designation : currency.designations) {
    const std::size_t size = WordAt(text, pos, designation);
    if (size > longest) longest = size;
  }
  return longest;
}

std::optional<AmountRead> ReadAmount(std::string_view text, std::size_t pos,
                                     const NumberConventions& conventions,
                                     std::span<const CurrencyWords> currencies,
                                     Reading reading, std::size_t* stopped_at) {
  return AmountParser(text, conventions, currencies, reading)
      .Read(pos, stopped_at);
}

}  // namespace eurolire

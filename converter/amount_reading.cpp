#include "converter/amount_reading.h"

#include <algorithm>
#include <string>
#include <utility>

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

// After a number in running text "lit." is litres ("20 lit. di latte").
bool IsLitres(std::string_view designation) {
  return IsOneLetter(designation) || designation == "Lit." ||
         designation == "Lit";
}

// `amount` plus `part` times 10^power, both whole and not negative: "1
// milione" and "200 mila".
void AddWhole(DecimalAmount& amount, std::string_view part, int power) {
  const std::int64_t exponent = std::min<std::int64_t>(amount.exponent, power);
  std::string a = amount.digits;
  a.append(static_cast<std::size_t>(amount.exponent - exponent), '0');
  std::string b(part);
  b.append(static_cast<std::size_t>(power - exponent), '0');
  if (a.size() < b.size()) a.swap(b);
  int carry = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::size_t at = a.size() - 1 - i;
    int digit =
        a[at] - '0' + carry + (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
    carry = digit / 10;
    a[at] = static_cast<char>('0' + digit % 10);
  }
  if (carry) a.insert(a.begin(), '1');
  amount.digits = std::move(a);
  amount.exponent = exponent;
}

// The power of the scale a whole amount ends in: 6 for "1 milione" or
// "un milione", 3 for "duecentomila".
int ScaleOf(const DecimalAmount& amount) {
  std::int64_t zeros = amount.exponent;
  for (auto digit = amount.digits.rbegin();
       digit != amount.digits.rend() && *digit == '0'; ++digit) {
    ++zeros;
  }
  return static_cast<int>(zeros / 3 * 3);
}

struct Designation {
  std::size_t end;
  std::size_t currency;
  bool one_letter = false;  // "L" or "L."
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
    start_ = pos;
    bool plus_minus = TakePlusMinus(text_, pos, read.amount.negative);
    if (const auto designation = DesignationOf(pos, false)) {
      read.currency = designation->currency;
      read.designation_begin = pos;
      read.designation_end = designation->end;
      read.designation_first = true;
      // A letter at a line's end is no designation of the next line's
      // number.
      std::size_t end = designation->end;
      // "Lit.. 50", "€.3.030.000,00": a dot too many, as typed.
      if (reading_ == Reading::kText && PrefixAt(text_, end, ".")) ++end;
      pos = designation->one_letter ? SkipBlanks(text_, end) : Skip(end);
      if (!plus_minus) TakePlusMinus(text_, pos, read.amount.negative);
    }
    known_currency_ = read.currency;
    Quantity quantity;
    read.digits_begin = pos;
    if (!ReadQuantity(pos, read.amount, quantity)) {
      if (stopped_at) *stopped_at = std::max(pos, stopped_at_);
      return std::nullopt;
    }
    read.digits_end = quantity.digits_end;
    if (read.digits_end == 0) read.digits_begin = 0;
    read.lone_article = quantity.article;
    read.scale_power = quantity.power;
    bool after_designation = false;
    if (!read.currency) {
      std::size_t at = Skip(pos);
      // "di" only before the designation: "1,5 milioni di euro", and after
      // digits of a million or more: "1.000.000 di lire".
      if (const std::size_t di =
              quantity.scaled || (quantity.millions && at > pos)
                  ? WordAt(text_, at, "di")
                  : 0) {
        const std::size_t word = Skip(at + di);
        if (word > at + di && DesignationOf(word, true)) at = word;
      }
      // "35 centesimi di euro", "cinquanta centesimi di euro"
      bool cents = false;
      if (const std::size_t cent =
              quantity.whole && !quantity.scaled ? CentWordAt(text_, at) : 0) {
        const std::size_t di = Skip(at + cent);
        const std::size_t of = WordAt(text_, di, "di");
        const std::size_t word = Skip(di + of);
        if (of > 0 && word > di + of) {
          const auto designation = DesignationOf(word, true);
          if (designation &&
              currencies_[designation->currency].cents_in_words) {
            at = word;
            cents = true;
          }
        }
      }
      if (const auto designation = DesignationOf(at, true)) {
        read.currency = designation->currency;
        read.designation_begin = at;
        read.designation_end = designation->end;
        pos = designation->end;
        after_designation = !cents;
        if (cents) {
          read.amount.exponent -= 2;
          quantity.whole = false;
          read.lone_article = false;
        }
      }
    }
    if (quantity.whole && CentsInWords(read.currency)) {
      if (TakeCentsInWords(pos, read.amount, after_designation)) {
        read.lone_article = false;
      }
    } else if (quantity.whole && after_designation && !quantity.scaled) {
      TakeHalf(pos, read.amount);  // "5 euro e mezzo"
    }
    read.end = pos;
    return read;
  }

 private:
  struct Quantity {
    bool whole = true;           // no decimals: cents may follow in words
    bool scaled = false;         // ends in a multiplier or a scale word
    bool millions = false;       // digits of a million or more, whole
    bool article = false;        // only "un", "una" or "uno"
    int power = 0;               // of the multiplier after the digits
    std::size_t digits_end = 0;  // past the first number's digits
  };

  // `pos` past blanks and, in running text, one line break among them.
  // An amount spans two lines at most, so that a stream need hold only a
  // few lines to read it whole.
  std::size_t Skip(std::size_t pos) const {
    const std::size_t blanks = SkipBlanks(text_, pos);
    if (reading_ != Reading::kText ||
        text_.substr(start_, blanks - start_).find('\n') != std::string::npos) {
      return blanks;
    }
    return SkipBlanksAndABreak(text_, pos);
  }

  std::optional<Designation> DesignationOf(std::size_t pos,
                                           bool after_number) const {
    std::optional<Designation> longest;
    if (pos >= text_.size() || IsDigit(text_[pos])) return longest;
    for (std::size_t i = 0; i < currencies_.size(); ++i) {
      for (std::string_view designation : currencies_[i].designations) {
        const std::size_t size = WordAt(text_, pos, designation);
        if (size == 0 || (longest && pos + size <= longest->end)) continue;
        const bool one_letter = IsOneLetter(designation);
        if (reading_ == Reading::kText &&
            (after_number ? IsLitres(designation)
                          : one_letter && text_[pos] != designation[0])) {
          continue;  // "12 L di acqua"; documents write "L." in capitals
        }
        longest = Designation{pos + size, i, one_letter};
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
    // Running text writes "0,50", never ",50": a comma there ends a clause.
    if (IsDigitAt(text_, pos) || (decimal && reading_ == Reading::kField &&
                                  IsDigitAt(text_, pos + decimal))) {
      if (!ReadDigits(pos, amount, quantity)) return false;
      quantity.digits_end = pos;
      if (const int power = MultiplierAt(pos)) {
        amount.exponent += power;
        quantity.scaled = true;
        quantity.power = power;
        if (quantity.whole) TakeSmallerParts(pos, amount);
        return true;
      }
      const std::size_t first = amount.digits.find_first_not_of('0');
      quantity.millions = quantity.whole && amount.exponent == 0 &&
                          first != std::string::npos &&
                          first + 7 <= amount.digits.size();
      return TakeWordsInParentheses(pos, amount);
    }
    // "mezzo milione"
    if (const std::size_t half = WordAt(text_, pos, "mezzo")) {
      std::size_t at = pos + half;
      if (const int power = MultiplierAt(at); power >= 6) {
        amount.digits.assign(1, '5');
        amount.exponent = power - 1;
        pos = at;
        quantity.scaled = true;
        return true;
      }
    }
    const std::optional<NumberWords> words = ReadNumberWords(text_, pos);
    if (!words) return false;
    amount.digits = std::to_string(words->value);
    quantity.article = words->value == 1 && words->end - pos <= 3;
    pos = words->end;
    quantity.scaled = words->ends_in_scale;
    if (TakeChequeCents(pos, amount)) {
      quantity = {.whole = false};
    } else if (quantity.scaled) {
      TakeSmallerParts(pos, amount);
    }
    return true;
  }

  // The power of the multiplier after blanks at `pos`, moving past it; 0,
  // moving nothing, when there is none.
  int MultiplierAt(std::size_t& pos) const {
    const std::size_t after = Skip(pos);
    if (LetterAt(text_, after) == 0) return 0;
    for (const Multiplier& multiplier : kMultipliers) {
      if (const std::size_t size = WordAt(text_, after, multiplier.word)) {
        pos = after + size;
        return multiplier.power;
      }
    }
    return 0;
  }

  // After a whole amount that ends in a scale, the smaller parts written in
  // digits, "e" between or not, or "e mezzo": "1 milione 200 mila", "un
  // milione e 300 mila", "2 miliardi 300 milioni", "2 mila 500", "1
  // milione e mezzo". Units alone after the last scale are taken only
  // where no word follows them ("lire 2 mila 3 volte" is not 2.003).
  void TakeSmallerParts(std::size_t& pos, DecimalAmount& amount) const {
    for (int scale = ScaleOf(amount); scale >= 3;) {
      std::size_t at = Skip(pos);
      if (at == pos) return;
      if (const std::size_t and_size = WordAt(text_, at, "e")) {
        const std::size_t word = Skip(at + and_size);
        if (word == at + and_size) return;
        if (const std::size_t half = WordAt(text_, word, "mezzo")) {
          AddWhole(amount, "5", scale - 1);
          pos = word + half;
          return;
        }
        at = word;
      }
      const std::size_t digits = DigitsFrom(at);
      if (digits == 0 || digits > 3) return;
      std::size_t end = at + digits;
      if (PrefixAt(text_, end, conventions_.grouping_separator) ||
          PrefixAt(text_, end, conventions_.decimal_separator) ||
          PrefixAt(text_, end, "/") || PrefixAt(text_, end, "-")) {
        if (IsDigitAt(text_, end + 1)) return;
      }
      int power = MultiplierAt(end);
      if (power == 0) {
        const std::size_t next = Skip(end);
        if (LetterAt(text_, next) && !DesignationOf(next, true)) return;
      }
      if (power >= scale) return;
      AddWhole(amount, text_.substr(at, digits), power);
      pos = end;
      scale = power;
    }
  }

  // " e mezzo" after a whole amount and its currency's name.
  void TakeHalf(std::size_t& pos, DecimalAmount& amount) const {
    const std::size_t and_at = SkipBlanks(text_, pos);
    const std::size_t and_size = and_at > pos ? WordAt(text_, and_at, "e") : 0;
    const std::size_t word = SkipBlanks(text_, and_at + and_size);
    if (and_size == 0 || word == and_at + and_size) return;
    if (const std::size_t half = WordAt(text_, word, "mezzo")) {
      amount.digits.append(static_cast<std::size_t>(amount.exponent), '0');
      amount.digits.push_back('5');
      amount.exponent = -1;
      pos = word + half;
    }
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
        // "L. 1⏎500 000": a line broken where a space groups.
        if (separator == 0 && reading_ == Reading::kText) {
          separator = Skip(pos) - pos;
          if (separator > 0 && grouping == Grouping::kLocale) separator = 0;
        }
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
    std::size_t start = SkipBlanks(text_, open + 1);
    // The currency restated with the words, in running text: "L.
    // 150.000.000 (lire centocinquantamilioni)".
    const auto named = reading_ == Reading::kText && known_currency_
                           ? DesignationOf(start, false)
                           : std::nullopt;
    if (named) {
      if (named->currency != *known_currency_) return true;
      start = SkipBlanks(text_, named->end);
    }
    const std::optional<NumberWords> words = ReadNumberWords(text_, start);
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

  // " e cinquanta centesimi", " e 50 centesimi"; right after the
  // currency's name " e 50" and " e cinquanta" too, and " e mezzo", where
  // no word follows ("11 euro e 50."; not "5 euro e 20 persone"). True when
  // taken.
  bool TakeCentsInWords(std::size_t& pos, DecimalAmount& amount,
                        bool after_designation) const {
    const std::size_t and_at = SkipBlanks(text_, pos);
    const std::size_t and_size = and_at > pos ? WordAt(text_, and_at, "e") : 0;
    const std::size_t number = SkipBlanks(text_, and_at + and_size);
    if (and_size == 0 || number == and_at + and_size) return false;
    std::uint64_t cents = 0;
    std::size_t end = number;
    if (const std::size_t digits = DigitsFrom(number); digits > 0) {
      if (digits > 2) return false;
      for (; end < number + digits; ++end)
        cents = cents * 10 + (text_[end] - '0');
    } else {
      const std::optional<NumberWords> words = ReadNumberWords(text_, number);
      if (!words || words->value >= 100 || words->ends_in_scale) {
        if (after_designation) TakeHalf(pos, amount);
        return false;
      }
      cents = words->value;
      end = words->end;
    }
    const std::size_t word = SkipBlanks(text_, end);
    std::size_t cent = word > end ? CentWordAt(text_, word) : 0;
    if (cent == 0) {
      if (!after_designation || LetterAt(text_, word) ||
          IsDigitAt(text_, word) ||
          ((PrefixAt(text_, end, ",") || PrefixAt(text_, end, ".")) &&
           IsDigitAt(text_, end + 1))) {
        return false;
      }
      cent = 0;
    }
    const std::size_t cents_end = cent == 0 ? end : word + cent;
    // Whole units first: "2 mila" is 2 x 10^3.
    amount.digits.append(static_cast<std::size_t>(amount.exponent), '0');
    amount.digits.push_back(static_cast<char>('0' + cents / 10));
    amount.digits.push_back(static_cast<char>('0' + cents % 10));
    amount.exponent = -2;
    pos = cents_end;
    return true;
  }

  std::string_view text_;
  const NumberConventions& conventions_;
  std::span<const CurrencyWords> currencies_;
  Reading reading_;
  bool locale_groups_with_space_;
  // The currency named before the number, while it is read.
  std::optional<std::size_t> known_currency_;
  std::size_t start_ = 0;  // where the amount being read begins
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

// A second reading of the amount grammar that converter/number_text.h states
// for IsNumberText and LeadingNumber, for the number text fuzz target to hold
// the core to. The core reads left to right in one pass; this reading is
// written apart from it and the other way about: it peels the sign and a
// designation off the front, then "e NN centesimi", a designation, "di" and
// a multiplier off the back, cuts what is left into tokens and judges their
// order afterwards, so a slip in one is unlikely to repeat in the other. It
// reads the core's own tables of designations and multipliers, so a word
// added there is read here too. It reads numbers in digits only: where the
// number, its cents or the words in parentheses after its digits are in
// words, it says it does not know (the fuzz target's round trip of number
// words covers words).
#ifndef EUROLIRE_FUZZ_REFERENCE_READING_H_
#define EUROLIRE_FUZZ_REFERENCE_READING_H_

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "converter/number_text.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_words_writer.h"

namespace eurolire::fuzz {

struct ReferenceVerdict {
  bool known = true;  // false: the number is in words, or the form is open
  std::optional<double> value;  // when known: nothing for a non-number
};

namespace reference {

inline char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline bool SameInAnyCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Lower(x) == Lower(y); });
}

// Whether the text starts (`front`) or ends with `word` in any case, with no
// letter running on into a letter at the word's inner edge. ASCII letters
// suffice: a text with any other letter beside a word is no number anyway.
inline bool WordAt(std::string_view text, std::string_view word, bool front) {
  if (text.size() < word.size()) return false;
  const std::size_t start = front ? 0 : text.size() - word.size();
  if (!SameInAnyCase(text.substr(start, word.size()), word)) return false;
  if (front) {
    return text.size() == word.size() || !IsAsciiLetter(word.back()) ||
           !IsAsciiLetter(text[word.size()]);
  }
  return start == 0 || !IsAsciiLetter(word.front()) ||
         !IsAsciiLetter(text[start - 1]);
}

inline bool PeelWord(std::string_view& text, std::string_view word,
                     bool front) {
  if (!WordAt(text, word, front)) return false;
  front ? text.remove_prefix(word.size()) : text.remove_suffix(word.size());
  return true;
}

// Peels the longest of the currency's designations off one end.
inline bool PeelDesignation(std::string_view& text,
                            const CurrencyWords& currency, bool front) {
  std::string_view longest;
  for (std::string_view designation : currency.designations) {
    if (designation.size() > longest.size() &&
        WordAt(text, designation, front)) {
      longest = designation;
    }
  }
  return !longest.empty() && PeelWord(text, longest, front);
}

// True when there were blanks to peel.
inline bool PeelBlanks(std::string_view& text, bool front) {
  const std::size_t size = text.size();
  for (bool peeled = true; peeled;) {
    peeled = false;
    for (std::string_view blank : kBlanks) {
      if (front ? text.starts_with(blank) : text.ends_with(blank)) {
        front ? text.remove_prefix(blank.size())
              : text.remove_suffix(blank.size());
        peeled = true;
      }
    }
  }
  return text.size() < size;
}

inline bool PeelSign(std::string_view& text, std::string& sign) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return false;
  if (text[0] == '-') sign = "-";
  text.remove_prefix(1);
  return true;
}

// Peels what may stand before the number once leading blanks are gone: a
// "+" or "-" and a designation, in either order, blanks after the
// designation. True when there was a designation.
inline bool PeelFront(std::string_view& text, std::string& sign,
                      const NumberConventions& c) {
  const bool signed_first = PeelSign(text, sign);
  if (!PeelDesignation(text, c.currency, true)) return false;
  PeelBlanks(text, true);
  if (!signed_first) PeelSign(text, sign);
  return true;
}

// Whether the number is in words: it starts as a number word does (its
// first two letters suffice to set it apart from a designation or a stray
// word), or words in parentheses follow its digits.
// Forms of documents the core reads that this reading leaves open: parts
// after a scale ("1 milione 200 mila", "2 mila 500"), "e mezzo", "mezzo
// milione", cents after "euro e" without "centesimi", "cents", "centesimi
// di euro".
inline bool OpenForm(std::string_view text) {
  std::string lower;
  for (char ch : text) lower += Lower(ch);
  for (std::string_view open :
       {" e", "mezzo", "cents", "centesimi", "centesimo"}) {
    if (lower.find(open) != std::string::npos) return true;
  }
  for (const Multiplier& multiplier : kMultipliers) {
    const std::size_t at = lower.find(multiplier.word);
    if (at != std::string::npos &&
        lower.find_first_of("0123456789", at) != std::string::npos) {
      return true;
    }
  }
  return false;
}

inline bool InWords(std::string_view number, const NumberConventions& c) {
  const auto starts_so = [&](std::string_view word) {
    return word.size() >= 2 && number.size() >= 2 &&
           SameInAnyCase(number.substr(0, 2), word.substr(0, 2));
  };
  if (std::any_of(kUnits.begin(), kUnits.end(), starts_so) ||
      std::any_of(kTeens.begin(), kTeens.end(), starts_so) ||
      std::any_of(kTens.begin(), kTens.end(), starts_so) ||
      starts_so(kHundred) || starts_so(kThousand)) {
    return true;
  }
  std::string_view before = number.substr(0, number.find('('));
  if (before.size() == number.size()) return false;
  PeelBlanks(before, false);
  return (!before.empty() && before.back() >= '0' && before.back() <= '9') ||
         before.ends_with(c.decimal_separator);
}

}  // namespace reference

// What the grammar makes of the whole text: a number and its value (the
// double nearest to it, by strtod on the exact decimal), not a number, or
// not known where the number is in words.
inline ReferenceVerdict ReferenceReading(std::string_view text,
                                         const NumberConventions& c) {
  using namespace reference;
  const ReferenceVerdict no_number{};
  const ReferenceVerdict unknown{.known = false};
  PeelBlanks(text, true);
  PeelBlanks(text, false);
  std::string sign;
  bool designated = PeelFront(text, sign, c);

  // "e", one or two digits, "centesimi", blanks between: two digits of
  // cents.
  std::string cents;
  if (c.currency.cents_in_words && (PeelWord(text, "centesimi", false) ||
                                    PeelWord(text, "centesimo", false))) {
    if (!PeelBlanks(text, false)) return no_number;
    const std::size_t digits =
        text.size() -
        std::min(text.size(), text.find_last_not_of("0123456789") + 1);
    if (digits == 0) return unknown;  // cents in words
    if (digits > 2) return no_number;
    cents = std::string(2 - digits, '0') +
            std::string(text.substr(text.size() - digits));
    text.remove_suffix(digits);
    if (!PeelBlanks(text, false) || !PeelWord(text, "e", false) ||
        !PeelBlanks(text, false)) {
      return no_number;
    }
  }
  if (OpenForm(text)) return unknown;
  bool designated_after = false;
  bool spaced = false;  // blanks before the designation after the number
  if (PeelDesignation(text, c.currency, false)) {
    if (designated) return no_number;
    designated = designated_after = true;
    spaced = PeelBlanks(text, false);
  }
  // "di", blanks around it, before a designation after the number.
  const bool di = designated_after && PeelWord(text, "di", false);
  if (di && (!spaced || !PeelBlanks(text, false))) return no_number;
  int power = 0;  // above 0 for every multiplier
  for (const Multiplier& multiplier : kMultipliers) {
    if (power == 0 && PeelWord(text, multiplier.word, false)) {
      power = multiplier.power;
      PeelBlanks(text, false);
    }
  }
  if (InWords(text, c)) return unknown;

  // What is left must be digits, grouped where they group thousands by the
  // locale's separator or by spaces, one kind in a number, and at most one
  // decimal separator.
  enum class Kind { kDigits, kGroup, kSpace, kPoint };
  struct Token {
    Kind kind;
    std::string text;
  };
  std::vector<Token> tokens;
  const auto space_at = [&](std::string_view rest) {
    for (std::string_view space : kSpaceLike) {
      if (rest.starts_with(space)) return space;
    }
    return std::string_view();
  };
  const bool locale_groups_by_space =
      std::ranges::find(kSpaceLike, c.grouping_separator) != kSpaceLike.end();
  while (!text.empty()) {
    const std::size_t digits =
        std::min(text.find_first_not_of("0123456789"), text.size());
    const std::string_view space = space_at(text);
    if (digits > 0) {
      tokens.push_back({Kind::kDigits, std::string(text.substr(0, digits))});
    } else if (text.starts_with(c.decimal_separator)) {
      tokens.push_back({Kind::kPoint, c.decimal_separator});
    } else if (!c.grouping_separator.empty() &&
               text.starts_with(c.grouping_separator)) {
      tokens.push_back({locale_groups_by_space ? Kind::kSpace : Kind::kGroup,
                        c.grouping_separator});
    } else if (!space.empty()) {
      tokens.push_back({Kind::kSpace, std::string(space)});
    } else {
      return no_number;
    }
    text.remove_prefix(tokens.back().text.size());
  }

  std::string integer, fraction;
  std::size_t i = 0;
  bool by_locale = false, by_space = false;
  for (; i < tokens.size() && tokens[i].kind != Kind::kPoint; ++i) {
    if ((tokens[i].kind == Kind::kDigits) != (i % 2 == 0)) return no_number;
    const std::size_t size = tokens[i].text.size();
    if (i % 2 == 0) {
      integer += tokens[i].text;
      if (i > 0 && size != 3) return no_number;
    } else {
      if (tokens[i - 1].text.size() > 3) return no_number;
      by_locale |= tokens[i].kind == Kind::kGroup;
      by_space |= tokens[i].kind == Kind::kSpace &&
                  tokens[i].text != c.grouping_separator;
    }
  }
  if (i % 2 == 0 && i > 0) return no_number;  // ends with a separator
  if (by_locale && by_space) return no_number;
  const bool point = i < tokens.size();
  if (point && ++i < tokens.size() && tokens[i].kind == Kind::kDigits) {
    fraction = tokens[i++].text;
  }
  if (i != tokens.size() || (integer.empty() && fraction.empty())) {
    return no_number;
  }
  // "di" after a multiplier, or after a whole number of a million or more.
  if (di && power == 0 &&
      (point || integer.size() - std::min(integer.size(),
                                          integer.find_first_not_of('0')) <
                    7)) {
    return no_number;
  }
  // Cents in words follow no decimal separator: "3,00 euro e 5 centesimi"
  // is no number, "2 mila euro e 5 centesimi" is.
  if (!cents.empty() && point) return no_number;

  const std::string plain =
      cents.empty() ? sign + (integer.empty() ? "0" : integer) + "." +
                          fraction + "e" + std::to_string(power)
                    : sign + integer + std::string(power, '0') + "." + cents;
  const double value = std::strtod(plain.c_str(), nullptr);
  if (std::isinf(value)) return no_number;  // beyond the largest double
  return {.value = value};
}

// LeadingNumber as the header states it, read by strtod once the digits and
// "." it may take are cut out.
inline double ReferenceLeading(std::string_view text,
                               const NumberConventions& c) {
  using namespace reference;
  PeelBlanks(text, true);
  std::string sign;
  PeelFront(text, sign, c);
  std::size_t end = std::min(text.find_first_not_of("0123456789"), text.size());
  if (end < text.size() && text[end] == '.') {
    end = std::min(text.find_first_not_of("0123456789", end + 1), text.size());
  }
  return std::strtod((sign + "0" + std::string(text.substr(0, end))).c_str(),
                     nullptr);
}

}  // namespace eurolire::fuzz

#endif  // EUROLIRE_FUZZ_REFERENCE_READING_H_

// A writer of Italian number words and of the amounts documents write with
// them, for the number text fuzz target's round trip: it spells a whole
// number in one of the styles that converter/number_words.h reads and sets
// it in one of the forms that converter/number_text.h reads, each choice
// drawn from the fuzz input, so that the core must read back exactly the
// amount written. Test code: it writes what the grammar allows and never
// reads.
#ifndef EUROLIRE_FUZZ_NUMBER_WORDS_WRITER_H_
#define EUROLIRE_FUZZ_NUMBER_WORDS_WRITER_H_

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "converter/number_text.h"
#include "fuzz/fuzz_check.h"

namespace eurolire::fuzz {

// The morphemes by value; "zero" stands alone only.
inline constexpr std::array<std::string_view, 10> kUnits = {
    "zero",   "uno", "due",   "tre",  "quattro",
    "cinque", "sei", "sette", "otto", "nove"};
inline constexpr std::array<std::string_view, 10> kTeens = {
    "dieci",    "undici", "dodici",      "tredici",  "quattordici",
    "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
inline constexpr std::array<std::string_view, 10> kTens = {
    "",          "",         "venti",    "trenta",  "quaranta",
    "cinquanta", "sessanta", "settanta", "ottanta", "novanta"};
inline constexpr std::string_view kHundred = "cento";
inline constexpr std::string_view kThousand = "mille";

// `whole` grouped by threes with `separator`.
inline std::string Grouped(std::uint64_t whole, std::string_view separator) {
  const std::string digits = std::to_string(whole);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += separator;
    text.push_back(digits[i]);
  }
  return text;
}

inline std::string TwoDigits(int cents) {
  return {static_cast<char>('0' + cents / 10),
          static_cast<char>('0' + cents % 10)};
}

// An amount in words as a document writes it, and what it must read as.
struct AmountInWords {
  std::string text;
  std::string exact;  // a plain decimal for strtod: "-1250.50"
  // When the words stand in parentheses after digits: the same digits
  // beside the words of another amount, which is no number; else empty.
  std::string mismatched;
};

class NumberWordsWriter {
 public:
  explicit NumberWordsWriter(FuzzedDataProvider& draw)
      : draw_(draw), capitals_(draw.ConsumeIntegral<std::uint32_t>()) {}

  // An amount drawn from the input in words: bare, with a designation of
  // `c`'s currency before or after it ("di" between where a scale word
  // ends the words), with cheque cents ("/50") or, where the currency
  // allows, "e 50 centesimi" or "e cinquanta centesimi", or after digits in
  // parentheses ("1.250,50 (milleduecentocinquanta/50)"). Letters in any
  // case but those of "di", "e" and "centesimi".
  AmountInWords WriteAmount(const NumberConventions& c) {
    const std::uint64_t whole = DrawWhole();
    const int cents = draw_.ConsumeIntegralInRange(0, 99);
    const std::span<const std::string_view> names = c.currency.designations;
    const std::string name =
        names.empty() ? ""
                      : Cased(names[draw_.ConsumeIntegralInRange<std::size_t>(
                            0, names.size() - 1)]);
    const bool before = !name.empty() && draw_.ConsumeBool();
    const bool after = !name.empty() && !before && draw_.ConsumeBool();
    const bool parenthesized = draw_.ConsumeBool();
    // 0: "/NN" after the words; 1 and 2: "e NN centesimi" and "e <words>
    // centesimi" after the designation if any, where the currency allows
    // it.
    const int cents_form = draw_.ConsumeIntegralInRange(0, 2);
    const bool cents_apart = cents > 0 && cents_form > 0 &&
                             c.currency.cents_in_words && !parenthesized;
    const bool cheque = !cents_apart && (cents > 0 || draw_.ConsumeBool());
    std::string separator;  // grouping the digits before parentheses
    switch (draw_.ConsumeIntegralInRange(0, 2)) {
      case 1:
        separator = c.grouping_separator;
        break;
      case 2:
        separator = kSpaceLike[draw_.ConsumeIntegralInRange<std::size_t>(
            0, kSpaceLike.size() - 1)];
    }
    const auto digits = [&](bool show_cents) {
      return Grouped(whole, separator) +
             (show_cents ? c.decimal_separator + TwoDigits(cents) : "") +
             Blank();
    };

    const Spelling spelling = Spell(whole);
    std::string number =
        Cased(spelling.words) + (cheque ? "/" + TwoDigits(cents) : "");
    if (parenthesized) {
      number = digits(cents > 0 || draw_.ConsumeBool()) + "(" + number + ")";
    }
    const std::string sign = !parenthesized && draw_.ConsumeBool() ? "-" : "";
    AmountInWords out{
        .text = sign,
        .exact = sign + std::to_string(whole) + "." + TwoDigits(cents)};
    if (before) out.text += name + Between(name, number);
    out.text += number;
    if (after) {
      if (spelling.ends_in_scale && !cheque && !parenthesized &&
          draw_.ConsumeBool()) {
        out.text += Blank() + "di" + Blank();
      }
      out.text += Between(out.text, name) + name;
    }
    if (cents_apart) {
      const std::string count = cents_form == 2 ? Cased(Group(cents))
                                : cents < 10 && draw_.ConsumeBool()
                                    ? std::to_string(cents)
                                    : TwoDigits(cents);
      out.text += Blank() + "e" + Blank() + count + Blank() +
                  (draw_.ConsumeBool() ? "centesimo" : "centesimi");
    }
    if (parenthesized) {
      const std::uint64_t other = DrawWhole();
      const int other_cents = draw_.ConsumeIntegralInRange(0, 99);
      if (other != whole || other_cents != cents) {
        out.mismatched = digits(true) + "(" + Spell(other).words + "/" +
                         TwoDigits(other_cents) + ")";
      }
    }
    return out;
  }

 private:
  struct Spelling {
    std::string words;  // lower case
    // It ends in a scale word or "e mezzo", which "di" may follow before
    // the currency's name.
    bool ends_in_scale = false;
  };

  // `n`, 0 to 999.999.999.999: in one word or split at the scale words,
  // with " e " after a scale and "e mezzo" where the number allows.
  Spelling Spell(std::uint64_t n) {
    if (n == 0) return {std::string(kUnits[0])};
    struct Scale {
      std::string_view one, many;
    };
    static constexpr Scale kScales[] = {
        {"miliardo", "miliardi"}, {"milione", "milioni"}, {kThousand, "mila"}};
    static constexpr std::uint64_t kSizes[4] = {1'000'000'000, 1'000'000, 1000,
                                                1};
    // "e mezzo" says a lower part that is half its scale, nothing after it.
    int end = 4;  // the parts spelled out
    for (int s = 0; s < 3; ++s) {
      if (n / kSizes[s] % 1000 > 0 && n % kSizes[s] == 500 * kSizes[s + 1] &&
          draw_.ConsumeBool()) {
        end = s + 1;
      }
    }
    Spelling out;
    bool after_scale = false;  // the words so far end in a scale word
    for (int s = 0; s < end; ++s) {
      const auto part = static_cast<int>(n / kSizes[s] % 1000);
      if (part == 0) continue;
      if (after_scale) out.words += Joint();
      if (s == 3) {
        out.words += Group(part);
        after_scale = false;
      } else if (s == 2 && part == 1) {
        out.words += kThousand;
        after_scale = true;
      } else {
        out.words += part == 1 ? "un" : Group(part);
        if (draw_.ConsumeBool()) out.words += Blank();
        out.words += part == 1 ? kScales[s].one : kScales[s].many;
        after_scale = true;
      }
    }
    if (end < 4) out.words += Blank() + "e" + Blank() + "mezzo";
    out.ends_in_scale = after_scale;
    return out;
  }

  // 1 to 999 in one word: "centottantatré", "duecentouno".
  std::string Group(int n) {
    std::string word;
    if (n >= 100) {
      if (n >= 200) word = kUnits[n / 100];
      word += kHundred;
    }
    const int rest = n % 100;
    if (rest >= 20) {
      Append(word, kTens[rest / 10]);
      if (rest % 10 != 0) Append(word, Unit(rest % 10, true));
    } else if (rest >= 10) {
      Append(word, kTeens[rest - 10]);
    } else if (rest > 0) {
      Append(word, Unit(rest, !word.empty()));
    }
    return word;
  }

  // 0 to 999.999.999.999, drawn a group of three digits at a time, so that
  // round numbers, which scale words and "e mezzo" need, come often.
  std::uint64_t DrawWhole() {
    std::uint64_t whole = 0;
    for (int group = 0; group < 4; ++group) {
      whole =
          whole * 1000 + draw_.ConsumeIntegralInRange<std::uint64_t>(0, 999);
    }
    return whole;
  }

  std::string Blank() {
    return std::string(kBlanks[draw_.ConsumeIntegralInRange<std::size_t>(
        0, kBlanks.size() - 1)]);
  }

  // Blanks between two parts: some where letters would run on into
  // letters, else some or none.
  std::string Between(std::string_view left, std::string_view right) {
    const bool letters_meet =
        (IsAsciiLetter(left.back()) || left.ends_with("\xC3\xA9") ||
         left.ends_with("\xC3\x89")) &&
        IsAsciiLetter(right.front());
    return letters_meet || draw_.ConsumeBool() ? Blank() : "";
  }

  // `text` with the letters whose bit in the drawn mask (the nth letter,
  // the nth bit, round again after 32) is set in capitals, "é" as "É".
  std::string Cased(std::string_view text) const {
    std::string out(text);
    int letter = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
      const bool e_acute = out.compare(i, 2, "\xC3\xA9") == 0;
      if (!e_acute && (out[i] < 'a' || out[i] > 'z')) continue;
      if ((capitals_ >> (letter++ % 32) & 1) == 0) continue;
      if (e_acute) {
        out[++i] = '\x89';
      } else {
        out[i] = static_cast<char>(out[i] - 'a' + 'A');
      }
    }
    return out;
  }

  // "un" or "uno"; "tré" or "tre" at the end of a compound.
  std::string_view Unit(int unit, bool compound) {
    if (unit == 1) return draw_.ConsumeBool() ? "un" : "uno";
    if (unit == 3 && compound && draw_.ConsumeBool()) return "tr\xC3\xA9";
    return kUnits[unit];
  }

  // A ten or "cento" before a vowel drops its own vowel, or keeps it.
  void Append(std::string& word, std::string_view morpheme) {
    if (!word.empty() &&
        std::string_view("aeiou").find(morpheme[0]) != std::string_view::npos &&
        draw_.ConsumeBool()) {
      word.pop_back();
    }
    word += morpheme;
  }

  // After a scale word: nothing, a blank or " e ".
  std::string Joint() {
    switch (draw_.ConsumeIntegralInRange(0, 2)) {
      case 0:
        return "";
      case 1:
        return Blank();
      default:
        return Blank() + "e" + Blank();
    }
  }

  FuzzedDataProvider& draw_;
  const std::uint32_t capitals_;
};

}  // namespace eurolire::fuzz

#endif  // EUROLIRE_FUZZ_NUMBER_WORDS_WRITER_H_

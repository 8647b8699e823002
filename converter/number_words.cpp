#include "converter/number_words.h"

#include <array>
#include <iterator>
#include <span>

#include "converter/characters.h"

namespace eurolire {
namespace {

enum class Kind {
  kZero,
  kUnit,
  kTeen,
  kTen,
  kHundred,
  kMille,      // one thousand, with no group before it
  kThousands,  // "mila", after a group of two or more
  kScaleOne,   // "milione", "miliardo", after "un"
  kScaleMany,  // "milioni", "miliardi", after a group of two or more
  kHalf,       // "mezzo", after "e" after a scale word
};

struct Morpheme {
  std::string_view text;
  Kind kind;
  std::uint64_t value;
};

// Grouped by first letter, for `kByFirstLetter`; within a group any order.
constexpr Morpheme kMorphemes[] = {
    {"cinque", Kind::kUnit, 5},
    {"cinquanta", Kind::kTen, 50},
    {"cento", Kind::kHundred, 100},
    {"due", Kind::kUnit, 2},
    {"dieci", Kind::kTeen, 10},
    {"dodici", Kind::kTeen, 12},
    {"diciassette", Kind::kTeen, 17},
    {"diciotto", Kind::kTeen, 18},
    {"diciannove", Kind::kTeen, 19},
    {"mille", Kind::kMille, 1'000},
    {"mila", Kind::kThousands, 1'000},
    {"milione", Kind::kScaleOne, 1'000'000},
    {"milioni", Kind::kScaleMany, 1'000'000},
    {"miliardo", Kind::kScaleOne, 1'000'000'000},
    {"miliardi", Kind::kScaleMany, 1'000'000'000},
    {"mezzo", Kind::kHalf, 0},
    {"nove", Kind::kUnit, 9},
    {"novanta", Kind::kTen, 90},
    {"otto", Kind::kUnit, 8},
    {"ottanta", Kind::kTen, 80},
    {"quattro", Kind::kUnit, 4},
    {"quattordici", Kind::kTeen, 14},
    {"quindici", Kind::kTeen, 15},
    {"quaranta", Kind::kTen, 40},
    {"sei", Kind::kUnit, 6},
    {"sette", Kind::kUnit, 7},
    {"sedici", Kind::kTeen, 16},
    {"sessanta", Kind::kTen, 60},
    {"settanta", Kind::kTen, 70},
    {"tre", Kind::kUnit, 3},
    {"tr\xC3\xA9", Kind::kUnit, 3},
    {"tredici", Kind::kTeen, 13},
    {"trenta", Kind::kTen, 30},
    {"uno", Kind::kUnit, 1},
    {"un", Kind::kUnit, 1},
    {"una", Kind::kUnit, 1},
    {"undici", Kind::kTeen, 11},
    {"venti", Kind::kTen, 20},
    {"zero", Kind::kZero, 0},
};
constexpr std::size_t kMorphemeCount = std::size(kMorphemes);

// For each letter a to z, where its morphemes begin and end in kMorphemes:
// a word is matched against a few, not all.
struct Span {
  std::size_t begin = 0;
  std::size_t end = 0;
};
constexpr std::array<Span, 26> MakeIndex() {
  std::array<Span, 26> index{};
  for (std::size_t i = kMorphemeCount; i-- > 0;) {
    Span& span = index[kMorphemes[i].text[0] - 'a'];
    if (span.end == 0) span.end = i + 1;
    if (span.begin != 0 && span.begin != i + 1) throw "not grouped";
    span.begin = i;
  }
  return index;
}
constexpr std::array<Span, 26> kByFirstLetter = MakeIndex();

struct Match {
  const Morpheme* morpheme = nullptr;
  std::size_t size = 0;
};

// The morphemes that begin with the letter at `pos`.
std::span<const Morpheme> MorphemesAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return {};
  const char letter = AsciiLower(text[pos]);
  if (letter < 'a' || letter > 'z') return {};
  const Span span = kByFirstLetter[letter - 'a'];
  return std::span(kMorphemes).subspan(span.begin, span.end - span.begin);
}

Match LongestAt(std::string_view text, std::size_t pos) {
  Match longest;
  for (const Morpheme& morpheme : MorphemesAt(text, pos)) {
    const std::size_t size = FoldedPrefixAt(text, pos, morpheme.text);
    if (size > longest.size) longest = {&morpheme, size};
  }
  return longest;
}

bool ElidesItsVowel(Kind kind) {
  return kind == Kind::kTen || kind == Kind::kHundred;
}

// Whether a morpheme begins at `pos`, whole or without its last vowel.
bool BeginsMorpheme(std::string_view text, std::size_t pos) {
  for (const Morpheme& morpheme : MorphemesAt(text, pos)) {
    const std::size_t drop = ElidesItsVowel(morpheme.kind) ? 1 : 0;
    const std::string_view stem =
        morpheme.text.substr(0, morpheme.text.size() - drop);
    if (FoldedPrefixAt(text, pos, stem)) return true;
  }
  return false;
}

// The morpheme at `pos`. A ten or "cento" without its last vowel comes
// first when a morpheme that begins with a vowel follows, itself perhaps
// without its own ("vent" + "uno", "cent" + "ottant" + "otto"): whole, it
// would leave "tto" of "centotto" unread.
Match MorphemeAt(std::string_view text, std::size_t pos) {
  for (const Morpheme& morpheme : MorphemesAt(text, pos)) {
    if (!ElidesItsVowel(morpheme.kind)) continue;
    const std::string_view stem =
        morpheme.text.substr(0, morpheme.text.size() - 1);
    const std::size_t next = pos + FoldedPrefixAt(text, pos, stem);
    if (next == pos || next >= text.size()) continue;
    const char vowel = AsciiLower(text[next]);
    if ((vowel == 'u' || vowel == 'o') && BeginsMorpheme(text, next)) {
      return {&morpheme, next - pos};
    }
  }
  return LongestAt(text, pos);
}

// Where the reading stands: the scales read so far and the group being
// read, and what may come next.
class Reading {
 public:
  // Takes the morphemes of the word at `pos` up to its end; the end, or
  // nothing when a morpheme is missing or cannot follow.
  std::optional<std::size_t> TakeWord(std::string_view text, std::size_t pos) {
    if (LetterAt(text, pos) == 0) return std::nullopt;
    first_of_word_is_scale_ = false;
    for (bool first = true; LetterAt(text, pos) > 0; first = false) {
      const Match match = MorphemeAt(text, pos);
      if (!match.morpheme || !Take(*match.morpheme)) return std::nullopt;
      if (first) first_of_word_is_scale_ = after_scale_;
      pos += match.size;
    }
    return pos;
  }

  // " e " between a scale word and what follows it.
  bool TakeAnd() {
    if (!after_scale_ || done_) return false;
    after_and_ = true;
    after_scale_ = false;
    return true;
  }

  bool after_scale() const { return after_scale_; }
  bool first_of_word_is_scale() const { return first_of_word_is_scale_; }
  std::uint64_t value() const { return total_ + group_; }

 private:
  enum class Place { kStart, kUnitFirst, kHundreds, kTens, kEnd };

  bool Take(const Morpheme& morpheme) {
    if (done_) return false;
    const bool after_and = after_and_;
    after_and_ = false;
    after_scale_ = false;
    const std::uint64_t value = morpheme.value;
    switch (morpheme.kind) {
      case Kind::kZero:
        done_ = !read_;
        read_ = true;
        return done_;
      case Kind::kUnit:
        if (place_ == Place::kStart) return Set(value, Place::kUnitFirst);
        if (place_ == Place::kHundreds || place_ == Place::kTens) {
          return Set(group_ + value, Place::kEnd);
        }
        return false;
      case Kind::kTeen:
      case Kind::kTen:
        if (place_ != Place::kStart && place_ != Place::kHundreds) {
          return false;
        }
        return Set(group_ + value,
                   morpheme.kind == Kind::kTen ? Place::kTens : Place::kEnd);
      case Kind::kHundred:
        if (place_ == Place::kStart) return Set(value, Place::kHundreds);
        if (place_ == Place::kUnitFirst && group_ >= 2) {
          return Set(group_ * value, Place::kHundreds);
        }
        return false;
      case Kind::kMille:
        return place_ == Place::kStart && Scale(1, value);
      case Kind::kThousands:
      case Kind::kScaleMany:
        return group_ >= 2 && Scale(group_, value);
      case Kind::kScaleOne:
        return place_ == Place::kUnitFirst && group_ == 1 && Scale(1, value);
      case Kind::kHalf:
        if (!after_and) return false;
        total_ += last_scale_ / 2;
        after_scale_ = done_ = true;
        return true;
    }
    return false;
  }

  bool Set(std::uint64_t group, Place place) {
    group_ = group;
    place_ = place;
    read_ = true;
    return true;
  }

  // Scales fall from left to right: "mille milioni" is no number.
  bool Scale(std::uint64_t count, std::uint64_t scale) {
    if (last_scale_ != 0 && scale >= last_scale_) return false;
    total_ += count * scale;
    last_scale_ = scale;
    group_ = 0;
    place_ = Place::kStart;
    read_ = after_scale_ = true;
    return true;
  }

  std::uint64_t total_ = 0;  // the scales read
  std::uint64_t group_ = 0;  // the group being read, 0 to 999
  std::uint64_t last_scale_ = 0;
  Place place_ = Place::kStart;
  bool read_ = false;
  bool done_ = false;  // "zero" or "mezzo": nothing may follow
  bool after_scale_ = false;
  bool after_and_ = false;
  bool first_of_word_is_scale_ = false;
};

}  // namespace

std::size_t CentWordAt(std::string_view text, std::size_t pos) {
  for (std::string_view cent : {"centesimi", "centesimo", "cents"}) {
    if (const std::size_t size = WordAt(text, pos, cent)) return size;
  }
  return 0;
}

std::optional<NumberWords> ReadNumberWords(std::string_view text,
                                           std::size_t pos) {
  Reading reading;
  std::optional<std::size_t> end = reading.TakeWord(text, pos);
  if (!end) return std::nullopt;
  // Each step looks one word ahead, on a copy, and takes it only if it
  // goes on with the number; so a word is read at most twice.
  for (;;) {
    const std::size_t after = SkipBlanks(text, *end);
    if (after == *end) break;
    Reading next = reading;
    std::optional<std::size_t> next_end;
    if (const std::size_t and_size = WordAt(text, after, "e")) {
      const std::size_t word = SkipBlanks(text, after + and_size);
      if (word > after + and_size && next.TakeAnd()) {
        next_end = next.TakeWord(text, word);
      }
      // "quattromila e cinque centesimi": the cents, not the number's.
      if (next_end && CentWordAt(text, SkipBlanks(text, *next_end))) {
        next_end.reset();
      }
    } else {
      next_end = next.TakeWord(text, after);
      if (next_end && !reading.after_scale() &&
          !next.first_of_word_is_scale()) {
        next_end.reset();
      }
    }
    if (!next_end) break;
    reading = next;
    end = next_end;
  }
  return NumberWords{.value = reading.value(),
                     .end = *end,
                     .ends_in_scale = reading.after_scale()};
}

}  // namespace eurolire

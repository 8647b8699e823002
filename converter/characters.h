// What the readers of amounts take for a digit, a blank, a space that
// groups thousands and a letter in UTF-8 text, and how they match a word
// whatever its case. Every function takes any bytes, invalid UTF-8
// included, and looks at no more than a few bytes around `pos`.
#ifndef EUROLIRE_CONVERTER_CHARACTERS_H_
#define EUROLIRE_CONVERTER_CHARACTERS_H_

#include <cstddef>
#include <string_view>

namespace eurolire {

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

inline bool IsDigitAt(std::string_view text, std::size_t pos) {
  return pos < text.size() && IsDigit(text[pos]);
}

// The length of `prefix` when the text has it at `pos`, else 0. An empty
// prefix never matches: it would match everywhere.
inline std::size_t PrefixAt(std::string_view text, std::size_t pos,
                            std::string_view prefix) {
  if (prefix.empty() || pos > text.size() ||
      text.size() - pos < prefix.size()) {
    return 0;
  }
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (text[pos + i] != prefix[i]) return 0;
  }
  return prefix.size();
}

// Moves `pos` past a "+" or "-", telling which in `negative`; false, moving
// nothing, when there is none.
inline bool TakePlusMinus(std::string_view text, std::size_t& pos,
                          bool& negative) {
  if (pos >= text.size() || (text[pos] != '+' && text[pos] != '-')) {
    return false;
  }
  negative = text[pos++] == '-';
  return true;
}

// The length of U+00A0 or U+202F at `pos`, or 0.
std::size_t WideBlankAt(std::string_view text, std::size_t pos);

// The length of the blank at `pos`, or 0. Blanks surround amounts and
// separate their parts: space, tab, U+00A0 and U+202F; never a line break,
// so a currency's name and its number stand on one line. Inline, and ASCII
// first: every keystroke tests a few.
inline std::size_t BlankAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  const char c = text[pos];
  if (c == ' ' || c == '\t') return 1;
  return static_cast<unsigned char>(c) < 0x80 ? 0 : WideBlankAt(text, pos);
}

// `pos` moved past every blank there.
inline std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  while (std::size_t blank = BlankAt(text, pos)) pos += blank;
  return pos;
}

// `pos` past blanks and one line break among them, as a fixed-width text
// breaks a line wherever a blank may stand.
inline std::size_t SkipBlanksAndABreak(std::string_view text, std::size_t pos) {
  pos = SkipBlanks(text, pos);
  std::size_t at = pos;
  if (at < text.size() && text[at] == '\r') ++at;
  if (at < text.size() && text[at] == '\n') return SkipBlanks(text, at + 1);
  return pos;
}

// The length of a space that may group thousands at `pos` ("1 500 000"), or
// 0: space, U+00A0, U+2007, U+2009 and U+202F.
std::size_t SpaceSeparatorAt(std::string_view text, std::size_t pos);

// The length of the Latin letter from U+00C0 to U+024F at `pos`, or 0.
std::size_t WideLetterAt(std::string_view text, std::size_t pos);

// The length of the letter at `pos`, or 0: an ASCII letter, or a Latin
// letter from U+00C0 to U+024F ("é", "à"; not "×" or "÷").
inline std::size_t LetterAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  const char c = text[pos];
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return 1;
  return static_cast<unsigned char>(c) < 0x80 ? 0 : WideLetterAt(text, pos);
}

// True when a letter ends just before `pos`.
bool LetterBefore(std::string_view text, std::size_t pos);

inline char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// FoldedPrefixAt past a first byte that matches.
std::size_t FoldedTailAt(std::string_view text, std::size_t pos,
                         std::string_view word);

// The length of `word` when the text has it at `pos` in any case (ASCII
// letters, and the capitals of U+00C0 to U+00DE: "É" for "é"), else 0.
// Inline for its first byte: a scan of a text tries every word of the
// tables at the start of every word of the text.
inline std::size_t FoldedPrefixAt(std::string_view text, std::size_t pos,
                                  std::string_view word) {
  if (word.empty() || pos >= text.size() ||
      AsciiLower(text[pos]) != AsciiLower(word[0])) {
    return 0;
  }
  return FoldedTailAt(text, pos, word);
}

// FoldedPrefixAt's `size` when no letter of the text runs on after a word
// that ends in a letter; else 0.
std::size_t WholeWord(std::string_view text, std::size_t pos,
                      std::string_view word, std::size_t size);

// As FoldedPrefixAt, but a word that ends in a letter must end a word of the
// text too: "euro" is not at the start of "europa".
inline std::size_t WordAt(std::string_view text, std::size_t pos,
                          std::string_view word) {
  const std::size_t size = FoldedPrefixAt(text, pos, word);
  return size == 0 ? 0 : WholeWord(text, pos, word, size);
}

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_CHARACTERS_H_

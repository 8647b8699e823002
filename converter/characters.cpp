#include "converter/characters.h"

namespace eurolire {
namespace {

// The length of U+00A0 or of U+20xx at `pos` when its last byte is one of
// `last_bytes`, else 0. Blanks and spaces are tested on every keystroke: by
// their first byte before anything else.
std::size_t WideSpaceAt(std::string_view text, std::size_t pos,
                        std::string_view last_bytes) {
  if (text.size() - pos >= 2 && text[pos] == '\xC2' &&
      text[pos + 1] == '\xA0') {
    return 2;
  }
  if (text.size() - pos >= 3 && text[pos] == '\xE2' &&
      text[pos + 1] == '\x80' &&
      last_bytes.find(text[pos + 2]) != std::string_view::npos) {
    return 3;
  }
  return 0;
}

// The code point of a two-byte UTF-8 sequence whose lead is `lead`, or 0.
unsigned TwoByteCodePoint(unsigned char lead, unsigned char next) {
  if (lead < 0xC2 || lead > 0xDF || (next & 0xC0) != 0x80) return 0;
  return (lead & 0x1Fu) << 6 | (next & 0x3Fu);
}

bool IsLatinLetter(unsigned code_point) {
  return code_point >= 0xC0 && code_point <= 0x24F && code_point != 0xD7 &&
         code_point != 0xF7;
}

// Lower case for ASCII; the second byte of a Latin-1 capital (U+00C0 to
// U+00DE, bar U+00D7) moved to its small letter when `lead` is 0xC3.
unsigned char Folded(unsigned char c, unsigned char lead) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
  if (lead == 0xC3 && c >= 0x80 && c <= 0x9E && c != 0x97) return c + 0x20;
  return c;
}

}  // namespace

std::size_t WideBlankAt(std::string_view text, std::size_t pos) {
  return WideSpaceAt(text, pos, "\xAF");  // U+202F
}

std::size_t SpaceSeparatorAt(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  if (text[pos] == ' ') return 1;
  if (static_cast<unsigned char>(text[pos]) < 0x80) return 0;
  return WideSpaceAt(text, pos, "\x87\x89\xAF");  // U+2007, U+2009, U+202F
}

std::size_t WideLetterAt(std::string_view text, std::size_t pos) {
  const auto c = static_cast<unsigned char>(text[pos]);
  if (pos + 1 >= text.size()) return 0;
  return IsLatinLetter(
             TwoByteCodePoint(c, static_cast<unsigned char>(text[pos + 1])))
             ? 2
             : 0;
}

bool LetterBefore(std::string_view text, std::size_t pos) {
  if (pos == 0 || pos > text.size()) return false;
  if (LetterAt(text, pos - 1) == 1) return true;
  return pos >= 2 && LetterAt(text, pos - 2) == 2;
}

std::size_t FoldedTailAt(std::string_view text, std::size_t pos,
                         std::string_view word) {
  if (text.size() - pos < word.size()) return 0;
  for (std::size_t i = 1; i < word.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[pos + i - 1]);
    const auto word_lead = static_cast<unsigned char>(word[i - 1]);
    if (Folded(static_cast<unsigned char>(text[pos + i]), lead) !=
        Folded(static_cast<unsigned char>(word[i]), word_lead)) {
      return 0;
    }
  }
  return word.size();
}

std::size_t WholeWord(std::string_view text, std::size_t pos,
                      std::string_view word, std::size_t size) {
  const bool ends_in_letter = LetterBefore(word, word.size());
  return ends_in_letter && LetterAt(text, pos + size) ? 0 : size;
}

}  // namespace eurolire

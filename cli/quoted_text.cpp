#include "cli/quoted_text.h"

#include <cstddef>

namespace eurolire {
namespace {

// Enough to recognise a text, short enough for a megabyte-long line.
constexpr std::size_t kQuotedCharacters = 40;

// The length of the well-formed UTF-8 sequence at the start of `text`, or
// 0 when it starts with a byte that begins none.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto byte = [text](std::size_t i) {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
  };
  const auto in = [](unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
  };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return 1;
  if (in(lead, 0xC2, 0xDF)) return in(byte(1), 0x80, 0xBF) ? 2 : 0;
  // The second byte's range rules out overlong forms and surrogates.
  unsigned char low = 0x80, high = 0xBF;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (in(lead, 0xE0, 0xEF)) {
    return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) ? 3 : 0;
  }
  if (in(lead, 0xF0, 0xF4)) {
    return in(byte(1), low, high) && in(byte(2), 0x80, 0xBF) &&
                   in(byte(3), 0x80, 0xBF)
               ? 4
               : 0;
  }
  return 0;
}

}  // namespace

std::string Quote(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  const auto escape = [](std::string& out, std::string_view bytes) {
    for (const char c : bytes) {
      const auto byte = static_cast<unsigned char>(c);
      out += "\\x";
      out.push_back(kHex[byte >> 4]);
      out.push_back(kHex[byte & 0xF]);
    }
  };
  std::string quoted = "\"";
  std::size_t characters = 0;
  std::size_t i = 0;
  for (; i < text.size() && characters < kQuotedCharacters; ++characters) {
    const std::size_t length = Utf8SequenceLength(text.substr(i));
    const std::string_view character = text.substr(i, length ? length : 1);
    const auto first = static_cast<unsigned char>(character[0]);
    const bool c1 =
        first == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
    if (length == 0 || first < 0x20 || first == 0x7F || c1) {
      escape(quoted, character);
    } else if (first == '"' || first == '\\') {
      quoted.push_back('\\');
      quoted.push_back(character[0]);
    } else {
      quoted += character;
    }
    i += character.size();
  }
  if (i < text.size()) quoted += "...";
  quoted += '"';
  return quoted;
}

}  // namespace eurolire

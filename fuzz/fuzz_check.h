// What the fuzz targets share: the locales they draw conventions from, the
// blanks, spaces and letters of the amount grammar, and a check that stops the
// run with a readable report, so libFuzzer keeps the input that broke a
// property as an artifact.
#ifndef EUROLIRE_FUZZ_FUZZ_CHECK_H_
#define EUROLIRE_FUZZ_FUZZ_CHECK_H_

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "converter/number_text.h"

namespace eurolire::fuzz {

// One-byte and multi-byte separators, space-like grouping (where an ordinary
// space groups too) and no grouping at all.
inline const std::array<NumberConventions, 6> kConventions = {{
    {",", "."},                // Italian
    {".", ","},                // English
    {",", "\xE2\x80\xAF"},     // French: U+202F narrow no-break space
    {".", "\xE2\x80\x99"},     // Swiss: U+2019 apostrophe, three bytes
    {"\xD9\xAB", "\xD9\xAC"},  // Arabic: U+066B and U+066C, two bytes each
    {",", ""},                 // grouping turned off
}};

// The blanks that may surround an amount and its parts, and the spaces that
// group thousands in every locale, as number_text.h lists them.
inline constexpr std::array<std::string_view, 4> kBlanks = {
    " ", "\t", "\xC2\xA0", "\xE2\x80\xAF"};
inline constexpr std::array<std::string_view, 5> kSpaceLike = {
    " ", "\xC2\xA0", "\xE2\x80\x87", "\xE2\x80\x89", "\xE2\x80\xAF"};

// The letters of the grammar's words and designations, whose running on into
// other letters makes a text no number.
inline bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Printable form of a text that may hold any bytes.
inline std::string Escaped(std::string_view text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out.push_back(static_cast<char>(c));
    } else {
      char buffer[5];
      std::snprintf(buffer, sizeof buffer, "\\x%02X", c);
      out += buffer;
    }
  }
  return out;
}

[[noreturn]] inline void Fail(const std::string& what) {
  std::fprintf(stderr, "PROPERTY VIOLATED: %s\n", what.c_str());
  std::abort();
}

// `describe` builds the report only on failure, keeping passing runs fast.
template <typename Describe>
void Check(bool holds, Describe describe) {
  if (!holds) Fail(describe());
}

}  // namespace eurolire::fuzz

#endif  // EUROLIRE_FUZZ_FUZZ_CHECK_H_

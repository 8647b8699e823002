#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>

#include "converter/double_chars.h"
#include "converter/number_text.h"

namespace eurolire {
namespace {

// Blanks that may surround a number: space, tab, U+00A0, U+202F.
constexpr std::array<std::string_view, 4> kBlanks = {" ", "\t", "\xC2\xA0",
                                                     "\xE2\x80\xAF"};

// Grouping separators that are a kind of space: where a locale groups with
// one of these, users type an ordinary space for it, so that groups too.
// Space, U+00A0, U+2007 (figure space), U+2009 (thin space), U+202F.
constexpr std::array<std::string_view, 5> kSpaceSeparators = {
    " ", "\xC2\xA0", "\xE2\x80\x87", "\xE2\x80\x89", "\xE2\x80\xAF"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// An empty separator never matches: it would match everywhere.
bool StartsWith(std::string_view text, std::size_t pos,
                std::string_view prefix) {
  return !prefix.empty() && text.substr(pos).starts_with(prefix);
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

// `sign` at `pos`, its ASCII letters in any case ("Lit." matches "LIT.").
bool SignAt(std::string_view text, std::size_t pos, std::string_view sign) {
  if (sign.empty() || text.size() - pos < sign.size()) return false;
  for (std::size_t i = 0; i < sign.size(); ++i) {
    if (AsciiLower(text[pos + i]) != AsciiLower(sign[i])) return false;
  }
  return true;
}

// The length of the longest of `signs` at `pos`, or 0: "Lit." is one sign,
// not "L" followed by "it.".
std::size_t LongestSignAt(std::string_view text, std::size_t pos,
                          std::span<const std::string_view> signs) {
  std::size_t longest = 0;
  for (std::string_view sign : signs) {
    if (sign.size() > longest && SignAt(text, pos, sign)) longest = sign.size();
  }
  return longest;
}

// Blanks of different kinds may follow one another ("\t " or U+00A0 then a
// space), so passes repeat until one removes nothing at either end.
std::string_view TrimBlanks(std::string_view text) {
  for (bool trimmed = true; trimmed;) {
    trimmed = false;
    for (std::string_view blank : kBlanks) {
      if (text.starts_with(blank)) {
        text.remove_prefix(blank.size());
        trimmed = true;
      }
      if (text.ends_with(blank)) {
        text.remove_suffix(blank.size());
        trimmed = true;
      }
    }
  }
  return text;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
  for (bool skipped = true; skipped;) {
    skipped = false;
    for (std::string_view blank : kBlanks) {
      if (StartsWith(text, pos, blank)) {
        pos += blank.size();
        skipped = true;
      }
    }
  }
  return pos;
}

// The length of the grouping separator at `pos`, or 0 when there is none.
std::size_t GroupingAt(std::string_view text, std::size_t pos,
                       const NumberConventions& conventions) {
  const std::string& separator = conventions.grouping_separator;
  if (StartsWith(text, pos, separator)) return separator.size();
  for (std::string_view space : kSpaceSeparators) {
    if (separator == space) return StartsWith(text, pos, " ") ? 1 : 0;
  }
  return 0;
}

// The text before the digits: an optional "+" or "-" and an optional
// leading currency sign, in either order, the sign perhaps followed by
// blanks ("-€ 5", "€ -5", "L.1.000"). `pos` ends at the first digit or
// decimal separator, or wherever the prefix stops.
struct Prefix {
  std::size_t pos = 0;
  bool negative = false;
  bool has_sign = false;
};

Prefix ReadPrefix(std::string_view text, const CurrencySigns& signs) {
  Prefix prefix;
  bool has_plus_minus = false;
  const auto read_plus_minus = [&] {
    if (has_plus_minus || prefix.pos >= text.size()) return;
    const char c = text[prefix.pos];
    if (c != '+' && c != '-') return;
    prefix.negative = c == '-';
    has_plus_minus = true;
    ++prefix.pos;
  };
  read_plus_minus();
  if (std::size_t sign = LongestSignAt(text, prefix.pos, signs.before)) {
    prefix.has_sign = true;
    prefix.pos = SkipBlanks(text, prefix.pos + sign);
    read_plus_minus();
  }
  return prefix;
}

// The value of a number text with the separators taken out: optional sign,
// integer digits, optional "." and fraction digits. Out of range means too
// large when a digit of the integer part is not zero, too small otherwise.
std::optional<double> Convert(const std::string& plain, bool integer_nonzero) {
  double value = 0;
  const char* first = plain.data();
  const char* last = first + plain.size();
  auto [end, error] = ReadDouble(first, last, value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    if (integer_nonzero) return std::nullopt;
    return plain.starts_with('-') ? -0.0 : 0.0;
  }
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

// Reads the whole text by the grammar stated in the header; nullopt when it
// is not a number. `IsNumberText` and `TextToDouble` both rest on it, so
// they cannot disagree.
std::optional<double> ReadNumber(std::string_view text,
                                 const NumberConventions& conventions) {
  text = TrimBlanks(text);
  const Prefix prefix = ReadPrefix(text, conventions.currency_signs);
  std::size_t pos = prefix.pos;
  std::string plain;
  plain.reserve(text.size() + 2);
  if (prefix.negative) plain.push_back('-');

  // Integer part. `group` counts the digits since the last grouping
  // separator: the first group has one to three digits, every later one
  // exactly three. A separator counts only before a digit, so that a
  // trailing sign may follow a blank in a locale that groups with spaces
  // ("1 000 €").
  std::size_t integer_digits = 0;
  std::size_t group = 0;
  bool grouped = false;
  bool integer_nonzero = false;
  while (pos < text.size()) {
    if (IsDigit(text[pos])) {
      integer_nonzero = integer_nonzero || text[pos] != '0';
      plain.push_back(text[pos++]);
      ++integer_digits;
      ++group;
      continue;
    }
    std::size_t separator = GroupingAt(text, pos, conventions);
    if (separator == 0 || integer_digits == 0 ||
        pos + separator >= text.size() || !IsDigit(text[pos + separator])) {
      break;
    }
    if (grouped ? group != 3 : group > 3) return std::nullopt;
    grouped = true;
    group = 0;
    pos += separator;
  }
  if (grouped && group != 3) return std::nullopt;
  if (integer_digits == 0) plain.push_back('0');

  std::size_t fraction_digits = 0;
  if (StartsWith(text, pos, conventions.decimal_separator)) {
    pos += conventions.decimal_separator.size();
    plain.push_back('.');
    while (pos < text.size() && IsDigit(text[pos])) {
      plain.push_back(text[pos++]);
      ++fraction_digits;
    }
    if (fraction_digits == 0) plain.pop_back();
  }
  if (integer_digits + fraction_digits == 0) return std::nullopt;
  if (pos != text.size() && !prefix.has_sign) {
    const std::size_t after = SkipBlanks(text, pos);
    pos = after + LongestSignAt(text, after, conventions.currency_signs.after);
    if (pos == after) return std::nullopt;
  }
  if (pos != text.size()) return std::nullopt;
  return Convert(plain, integer_nonzero);
}

}  // namespace

bool IsNumberText(std::string_view text, const NumberConventions& conventions) {
  return ReadNumber(text, conventions).has_value();
}

double TextToDouble(std::string_view text,
                    const NumberConventions& conventions) {
  std::optional<double> value = ReadNumber(text, conventions);
  // The text itself stays out of the message: it may be a megabyte paste.
  if (!value) throw TypeMismatchError("the text is not a number");
  return *value;
}

double LeadingNumber(std::string_view text,
                     const NumberConventions& conventions) {
  const std::size_t start = SkipBlanks(text, 0);
  const Prefix prefix =
      ReadPrefix(text.substr(start), conventions.currency_signs);
  std::size_t pos = start + prefix.pos;
  std::string plain = prefix.negative ? "-0" : "0";
  while (pos < text.size() && IsDigit(text[pos])) plain.push_back(text[pos++]);
  if (pos < text.size() && text[pos] == '.') {
    plain.push_back(text[pos++]);
    while (pos < text.size() && IsDigit(text[pos])) {
      plain.push_back(text[pos++]);
    }
  }
  double value = 0;
  const auto [end, error] =
      ReadDouble(plain.data(), plain.data() + plain.size(), value,
                 std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Digits enough to leave the range: the largest magnitude, signed.
    const bool large = plain.find_first_of("123456789") < plain.find('.');
    const double magnitude =
        large ? std::numeric_limits<double>::infinity() : 0.0;
    return prefix.negative ? -magnitude : magnitude;
  }
  return value;
}

}  // namespace eurolire

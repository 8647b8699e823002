#include "converter/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <system_error>

#if !defined(__cpp_lib_to_chars) || defined(EUROLIRE_CHARCONV_FALLBACK)
#include <fast_float/fast_float.h>

#include <cstdio>
#include <cstring>
#endif

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

// The standard library's from_chars and to_chars for double where it has
// them; elsewhere (a C++ library without them) fast_float and the C
// library, made to answer as the standard calls do.
#if defined(__cpp_lib_to_chars) && !defined(EUROLIRE_CHARCONV_FALLBACK)

std::from_chars_result ReadDouble(const char* first, const char* last,
                                  double& value, std::chars_format format) {
  return std::from_chars(first, last, value, format);
}

const char* WriteScientific(char* first, char* last, double value,
                            int precision) {
  return std::to_chars(first, last, value, std::chars_format::scientific,
                       precision)
      .ptr;
}

#else

// This file reads fixed texts, and general ones only to read back what
// WriteScientific wrote.
std::from_chars_result ReadDouble(const char* first, const char* last,
                                  double& value, std::chars_format format) {
  double read = 0;
  auto [end, error] = fast_float::from_chars(
      first, last, read,
      format == std::chars_format::fixed ? fast_float::chars_format::fixed
                                         : fast_float::chars_format::general);
  // fast_float rounds a number beyond the range of a double to infinity,
  // and one too small for it to zero, without an error: the standard call
  // reports both out of range. Only "inf" and "nan" have no digits.
  std::string_view number(first, end - first);
  number = number.substr(0, number.find_first_of("eE"));
  if (error == std::errc() &&
      ((std::isinf(read) &&
        number.find_first_of("0123456789") != std::string_view::npos) ||
       (read == 0 &&
        number.find_first_of("123456789") != std::string_view::npos))) {
    error = std::errc::result_out_of_range;
  }
  // Like the standard call, a failed read leaves `value` alone.
  if (error == std::errc()) value = read;
  return {end, error};
}

const char* WriteScientific(char* first, char* last, double value,
                            int precision) {
  // printf rounds correctly to the precision asked, as to_chars does.
  const int size = std::snprintf(first, last - first, "%.*e", precision, value);
  if (size < 0 || size >= last - first) return last;
  char* end = first + size;
  // But it writes the decimal point of the C locale in force, which a
  // program that called setlocale may have made a comma, or several bytes:
  // put back the "." that to_chars writes.
  if (precision == 0) return end;  // no point written
  char* point = std::find_if_not(first + (*first == '-'), end, IsDigit);
  char* fraction = std::find(point, end, 'e') - precision;
  *point = '.';
  std::memmove(point + 1, fraction, end - fraction);
  return point + 1 + (end - fraction);
}

#endif

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
  std::string plain;
  plain.reserve(text.size() + 2);
  std::size_t pos = 0;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    if (text[0] == '-') plain.push_back('-');
    ++pos;
  }

  // Integer part. `group` counts the digits since the last grouping
  // separator: the first group has one to three digits, every later one
  // exactly three.
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
    if (separator == 0 || integer_digits == 0) break;
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
  if (pos != text.size() || integer_digits + fraction_digits == 0) {
    return std::nullopt;
  }
  return Convert(plain, integer_nonzero);
}

// What a format pattern asks for.
struct Pattern {
  std::size_t min_integer_digits = 0;
  bool grouping = false;
  std::size_t min_decimals = 0;
  std::size_t max_decimals = 0;
};

Pattern ParsePattern(std::string_view text) {
  const auto invalid = [text] {
    return std::invalid_argument("unsupported number pattern: " +
                                 std::string(text));
  };
  Pattern pattern;
  std::size_t point = text.find('.');
  std::string_view integer = text.substr(0, point);
  for (std::size_t i = 0; i < integer.size(); ++i) {
    switch (integer[i]) {
      case '0':
        ++pattern.min_integer_digits;
        break;
      case '#':
        // "#" after "0" would be a digit shown only when significant where
        // every digit already is: reject it rather than guess.
        if (pattern.min_integer_digits > 0) throw invalid();
        break;
      case ',':
        // A comma must stand between placeholders; at an end it would mean
        // scaling by thousands, which no amount here needs.
        if (i == 0 || i + 1 == integer.size() || integer[i + 1] == ',') {
          throw invalid();
        }
        pattern.grouping = true;
        break;
      default:
        throw invalid();
    }
  }
  if (point == std::string_view::npos) return pattern;
  std::string_view decimals = text.substr(point + 1);
  for (char c : decimals) {
    if (c == '0' && pattern.max_decimals == pattern.min_decimals) {
      ++pattern.min_decimals;
    } else if (c != '#') {
      throw invalid();
    }
    ++pattern.max_decimals;
  }
  return pattern;
}

// A positive decimal: 0.d1d2d3... times ten to the `point`.
struct Decimal {
  std::string digits;
  int point = 0;
};

// The shortest faithful decimal reading of `magnitude` (finite, >= 0):
// 15 significant digits, or 17 within a hair of the largest double, where
// the 15-digit reading would read back as infinity.
Decimal ReadDecimal(double magnitude) {
  std::array<char, 32> buffer{};
  const char* begin = buffer.data();
  const auto write = [&buffer, magnitude](int precision) -> const char* {
    return WriteScientific(buffer.data(), buffer.data() + buffer.size(),
                           magnitude, precision);
  };
  const char* end = write(14);
  // Only the doubles from 1.7976931348623151e308 up read as
  // 1.79769313486232e308 at 15 digits, which is beyond range; below the
  // largest 15-digit reading no check is needed.
  double back = 0;
  if (magnitude > 1.79769313486231e308 &&
      ReadDouble(begin, end, back, std::chars_format::general).ec !=
          std::errc()) {
    end = write(16);
  }
  // `buffer` holds "d.ddd...de+XX" or "d.ddd...de-XX".
  const char* e = std::find(begin, end, 'e');
  Decimal decimal;
  decimal.digits.push_back(buffer[0]);
  decimal.digits.append(begin + 2, e);
  const char* exponent = e[1] == '+' ? e + 2 : e + 1;
  int power = 0;
  std::from_chars(exponent, end, power);
  decimal.point = power + 1;
  return decimal;
}

// Rounds to `decimals` places, halves away from zero.
void Round(Decimal& decimal, std::size_t decimals) {
  const long keep = decimal.point + static_cast<long>(decimals);
  if (keep >= static_cast<long>(decimal.digits.size())) return;
  if (keep < 0) {
    decimal.digits.clear();
    return;
  }
  const bool up = decimal.digits[keep] >= '5';
  decimal.digits.resize(keep);
  if (!up) return;
  long i = keep - 1;
  for (; i >= 0 && decimal.digits[i] == '9'; --i) decimal.digits[i] = '0';
  if (i >= 0) {
    ++decimal.digits[i];
  } else {
    decimal.digits.insert(decimal.digits.begin(), '1');
    ++decimal.point;
  }
}

// The digit at place `index` counting from the first digit of `decimal`:
// zero outside the digits held.
char DigitAt(const Decimal& decimal, long index) {
  if (index < 0 || index >= static_cast<long>(decimal.digits.size())) {
    return '0';
  }
  return decimal.digits[index];
}

std::string IntegerText(const Decimal& decimal, const Pattern& pattern,
                        const NumberConventions& conventions) {
  std::string digits;
  for (long i = 0; i < decimal.point; ++i)
    digits.push_back(DigitAt(decimal, i));
  digits.erase(0, digits.find_first_not_of('0'));
  if (digits.size() < pattern.min_integer_digits) {
    digits.insert(0, pattern.min_integer_digits - digits.size(), '0');
  }
  if (!pattern.grouping) return digits;
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) {
      grouped += conventions.grouping_separator;
    }
    grouped.push_back(digits[i]);
  }
  return grouped;
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

std::string FormatAmount(double value, std::string_view pattern_text,
                         const NumberConventions& conventions) {
  const Pattern pattern = ParsePattern(pattern_text);
  if (!std::isfinite(value)) {
    throw OverflowError("no amount to write for an infinite or NaN value");
  }
  Decimal decimal = ReadDecimal(std::fabs(value));
  Round(decimal, pattern.max_decimals);

  std::string decimals;
  for (std::size_t i = 0; i < pattern.max_decimals; ++i) {
    decimals.push_back(DigitAt(decimal, decimal.point + static_cast<long>(i)));
  }
  while (decimals.size() > pattern.min_decimals && decimals.ends_with('0')) {
    decimals.pop_back();
  }

  std::string text;
  if (std::signbit(value) &&
      decimal.digits.find_first_not_of('0') != std::string::npos) {
    text.push_back('-');
  }
  text += IntegerText(decimal, pattern, conventions);
  if (!decimals.empty()) text += conventions.decimal_separator + decimals;
  return text;
}

CurrencyValue CurrencyFromDouble(double value) {
  const double scaled = std::round(value * 10'000.0);
  // 2^63 is exact as a double; every double below it fits in an int64.
  constexpr double kLimit = 9'223'372'036'854'775'808.0;
  if (!(scaled >= -kLimit && scaled < kLimit)) {
    throw OverflowError("amount outside the currency range");
  }
  return CurrencyValue{static_cast<std::int64_t>(scaled)};
}

double CurrencyToDouble(CurrencyValue value) {
  return static_cast<double>(value.scaled) / 10'000.0;
}

}  // namespace eurolire

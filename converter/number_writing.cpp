#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>

#include "converter/double_chars.h"
#include "converter/number_text.h"

namespace eurolire {
namespace {

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

// A decimal magnitude: 0.d1d2d3... times ten to the `point`.
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

// `decimal`, negated when `negative`, rounded and written by `pattern`.
std::string Written(Decimal decimal, bool negative, const Pattern& pattern,
                    const NumberConventions& conventions) {
  Round(decimal, pattern.max_decimals);
  std::string decimals;
  for (std::size_t i = 0; i < pattern.max_decimals; ++i) {
    decimals.push_back(DigitAt(decimal, decimal.point + static_cast<long>(i)));
  }
  while (decimals.size() > pattern.min_decimals && decimals.ends_with('0')) {
    decimals.pop_back();
  }

  std::string text;
  if (negative && decimal.digits.find_first_not_of('0') != std::string::npos) {
    text.push_back('-');
  }
  text += IntegerText(decimal, pattern, conventions);
  if (!decimals.empty()) text += conventions.decimal_separator + decimals;
  return text;
}

}  // namespace

std::string FormatAmount(double value, std::string_view pattern_text,
                         const NumberConventions& conventions) {
  const Pattern pattern = ParsePattern(pattern_text);
  if (!std::isfinite(value)) {
    throw OverflowError("no amount to write for an infinite or NaN value");
  }
  return Written(ReadDecimal(std::fabs(value)), std::signbit(value), pattern,
                 conventions);
}

std::string FormatAmount(const DecimalAmount& amount,
                         std::string_view pattern_text,
                         const NumberConventions& conventions) {
  const Pattern pattern = ParsePattern(pattern_text);
  if (IsBeyondDoubleRange(amount)) {
    throw OverflowError("no amount to write beyond the largest number");
  }
  // digits x 10^exponent is 0.digits x 10^(size + exponent).
  Decimal decimal;
  decimal.digits = amount.digits;
  decimal.point = static_cast<int>(
      static_cast<std::int64_t>(amount.digits.size()) + amount.exponent);
  return Written(std::move(decimal), amount.negative, pattern, conventions);
}

}  // namespace eurolire

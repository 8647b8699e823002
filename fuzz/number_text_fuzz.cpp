// libFuzzer target for number text. Reads any bytes as an amount under one of
// several locales' conventions, with or without a field's currency signs,
// and holds the reader and the leading-number reading to a second,
// independent reading of the same grammar; then writes values drawn from the
// input in the amount format and checks that each text reads back as the cent
// it shows, as far as a double can tell.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "converter/conversion.h"
#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "fuzz/fuzz_check.h"

namespace eurolire::fuzz {
namespace {

// Holding x * 100 exactly needs 53 + 7 bits of mantissa.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "the cent checks need an 80-bit long double");

constexpr std::array<std::string_view, 4> kBlanks = {" ", "\t", "\xC2\xA0",
                                                     "\xE2\x80\xAF"};
constexpr std::array<std::string_view, 5> kSpaceLike = {
    " ", "\xC2\xA0", "\xE2\x80\x87", "\xE2\x80\x89", "\xE2\x80\xAF"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StripBlank(std::string_view& text, bool front) {
  for (std::string_view blank : kBlanks) {
    if (front && text.starts_with(blank)) {
      text.remove_prefix(blank.size());
      return true;
    }
    if (!front && text.ends_with(blank)) {
      text.remove_suffix(blank.size());
      return true;
    }
  }
  return false;
}

std::string Lowered(std::string_view text) {
  std::string lowered(text);
  for (char& ch : lowered) {
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  }
  return lowered;
}

// Removes a leading "+" or "-", telling which.
bool StripPlusMinus(std::string_view& text, std::string& sign) {
  if (text.empty() || (text[0] != '+' && text[0] != '-')) return false;
  if (text[0] == '-') sign = "-";
  text.remove_prefix(1);
  return true;
}

// Removes the longest of `signs` that the text starts with, in any case.
bool StripCurrencySign(std::string_view& text,
                       std::span<const std::string_view> signs) {
  const std::string lowered = Lowered(text);
  std::size_t longest = 0;
  for (std::string_view candidate : signs) {
    if (lowered.starts_with(Lowered(candidate))) {
      longest = std::max(longest, candidate.size());
    }
  }
  text.remove_prefix(longest);
  return longest > 0;
}

// Removes what may stand before the digits once leading blanks are gone: a
// "+" or "-" and a leading currency sign, in either order, blanks after the
// sign. True when there was a currency sign.
bool StripPrefix(std::string_view& text, std::string& sign,
                 const NumberConventions& c) {
  const bool plus_minus = StripPlusMinus(text, sign);
  if (!StripCurrencySign(text, c.currency_signs.before)) return false;
  while (StripBlank(text, true)) {
  }
  if (!plus_minus) StripPlusMinus(text, sign);
  return true;
}

// The number a text denotes by the grammar stated in number_text.h, as plain
// ASCII ("-1234.5") for strtod, or nullopt when it is not a number. Written
// apart from the core's single-pass reader: it peels the currency sign off
// either end first, cuts the rest into tokens and judges their order
// afterwards, so a slip in one is unlikely to repeat in the other.
std::optional<std::string> ReferencePlain(std::string_view text,
                                          const NumberConventions& c) {
  while (StripBlank(text, true)) {
  }
  while (StripBlank(text, false)) {
  }
  std::string sign;
  if (!StripPrefix(text, sign, c)) {
    for (std::string_view after : c.currency_signs.after) {
      if (text.ends_with(after)) {
        text.remove_suffix(after.size());
        while (StripBlank(text, false)) {
        }
        break;
      }
    }
  }
  const bool space_groups = std::find(kSpaceLike.begin(), kSpaceLike.end(),
                                      c.grouping_separator) != kSpaceLike.end();

  enum class Kind { kDigits, kGroup, kPoint };
  struct Token {
    Kind kind;
    std::string digits;
  };
  std::vector<Token> tokens;
  while (!text.empty()) {
    if (IsDigit(text[0])) {
      if (tokens.empty() || tokens.back().kind != Kind::kDigits) {
        tokens.push_back({Kind::kDigits, ""});
      }
      tokens.back().digits.push_back(text[0]);
      text.remove_prefix(1);
    } else if (!c.decimal_separator.empty() &&
               text.starts_with(c.decimal_separator)) {
      tokens.push_back({Kind::kPoint, ""});
      text.remove_prefix(c.decimal_separator.size());
    } else if (!c.grouping_separator.empty() &&
               text.starts_with(c.grouping_separator)) {
      tokens.push_back({Kind::kGroup, ""});
      text.remove_prefix(c.grouping_separator.size());
    } else if (space_groups && text[0] == ' ') {
      tokens.push_back({Kind::kGroup, ""});
      text.remove_prefix(1);
    } else {
      return std::nullopt;
    }
  }

  // Integer part: digit runs joined by grouping separators, starting and
  // ending with digits; once grouped, 1-3 digits first and 3 in every run
  // after.
  std::size_t i = 0;
  std::string integer;
  bool grouped = false;
  while (i < tokens.size() && tokens[i].kind != Kind::kPoint) {
    const bool digits_expected = (i % 2 == 0);
    if ((tokens[i].kind == Kind::kDigits) != digits_expected) {
      return std::nullopt;
    }
    if (tokens[i].kind == Kind::kGroup) {
      grouped = true;
    } else {
      integer += tokens[i].digits;
    }
    ++i;
  }
  if (i % 2 == 0 && i > 0) return std::nullopt;  // ends with a separator
  if (grouped) {
    for (std::size_t j = 0; j < i; j += 2) {
      const std::size_t size = tokens[j].digits.size();
      if (j == 0 ? size > 3 : size != 3) return std::nullopt;
    }
  }
  std::string fraction;
  if (i < tokens.size()) {
    ++i;  // the decimal separator
    if (i < tokens.size() && tokens[i].kind == Kind::kDigits) {
      fraction = tokens[i++].digits;
    }
    if (i != tokens.size()) return std::nullopt;
  }
  if (integer.empty() && fraction.empty()) return std::nullopt;
  return sign + (integer.empty() ? "0" : integer) +
         (fraction.empty() ? "" : "." + fraction);
}

// The reading of `text` by the reference grammar and the C library's strtod
// (correctly rounded, like the core's reader): nullopt when not a number.
std::optional<double> ReferenceValue(std::string_view text,
                                     const NumberConventions& c) {
  std::optional<std::string> plain = ReferencePlain(text, c);
  if (!plain) return std::nullopt;
  const double value = std::strtod(plain->c_str(), nullptr);
  if (std::isinf(value)) return std::nullopt;  // beyond the largest double
  return value;
}

// The leading number as the header states it, read by strtod once the
// digits and "." it may take are cut out.
double ReferenceLeading(std::string_view text, const NumberConventions& c) {
  while (StripBlank(text, true)) {
  }
  std::string sign;
  StripPrefix(text, sign, c);
  const std::size_t digits = text.find_first_not_of("0123456789");
  std::size_t end = std::min(digits, text.size());
  if (end < text.size() && text[end] == '.') {
    end = std::min(text.find_first_not_of("0123456789", end + 1), text.size());
  }
  return std::strtod((sign + "0" + std::string(text.substr(0, end))).c_str(),
                     nullptr);
}

void CheckReading(std::string_view text, const NumberConventions& c) {
  const double leading = LeadingNumber(text, c);
  const double expected_leading = ReferenceLeading(text, c);
  Check(leading == expected_leading || (leading == 0 && expected_leading == 0),
        [&] {
          return "LeadingNumber(\"" + Escaped(text) +
                 "\") = " + std::to_string(leading) + ", the grammar says " +
                 std::to_string(expected_leading);
        });

  const std::optional<double> expected = ReferenceValue(text, c);
  const bool is_number = IsNumberText(text, c);
  Check(is_number == expected.has_value(), [&] {
    return "IsNumberText(\"" + Escaped(text) + "\") is " +
           (is_number ? "true" : "false") + ", the grammar says otherwise";
  });
  try {
    const double value = TextToDouble(text, c);
    Check(is_number, [&] {
      return "TextToDouble read the non-number \"" + Escaped(text) + "\"";
    });
    Check(std::isfinite(value), [&] {
      return "TextToDouble(\"" + Escaped(text) + "\") is not finite";
    });
    Check(value == *expected && std::signbit(value) == std::signbit(*expected),
          [&] {
            return "TextToDouble(\"" + Escaped(text) +
                   "\") = " + std::to_string(value) + ", strtod reads " +
                   std::to_string(*expected);
          });
  } catch (const TypeMismatchError&) {
    Check(!is_number, [&] {
      return "TextToDouble threw on the number \"" + Escaped(text) + "\"";
    });
  }
}

// `digits` grouped by threes with the locale's separator.
std::string Grouped(std::uint64_t whole, const NumberConventions& c) {
  const std::string digits = std::to_string(whole);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += c.grouping_separator;
    text.push_back(digits[i]);
  }
  return text;
}

// How `cents` cents are written in the amount format.
std::string CentsText(std::uint64_t cents, bool negative,
                      const NumberConventions& c) {
  const std::uint64_t fraction = cents % 100;
  return std::string(negative && cents > 0 ? "-" : "") +
         Grouped(cents / 100, c) + c.decimal_separator +
         static_cast<char>('0' + fraction / 10) +
         static_cast<char>('0' + fraction % 10);
}

int IntegerDigits(long double magnitude) {
  int digits = 0;
  for (auto whole = static_cast<std::uint64_t>(magnitude); whole > 0;
       whole /= 10) {
    ++digits;
  }
  return digits;
}

// FormatAmount reads the double as its nearest 15-significant-digit decimal
// and rounds that to the cent, halves away from zero. So the text must show
// the cent nearest to x, except where x lies so close to a half cent that
// the 15-digit reading, off from x by at most half a unit in its fifteenth
// digit, can fall on either side: then either neighbouring cent is right.
// Beyond 10^13 the fifteenth digit is above the cent, the text holds those
// 15 digits (or 17 near the largest double), and its value must lie within
// that half unit, at most 5e-15 of |x|, plus the half unit of the double
// that the text reads back as.
void CheckWriting(double x, const NumberConventions& c) {
  if (!std::isfinite(x)) {
    try {
      FormatAmount(x, AmountFormat, c);
      Fail("FormatAmount wrote an infinite or NaN value");
    } catch (const OverflowError&) {
    }
    return;
  }
  const std::string text = FormatAmount(x, AmountFormat, c);
  const auto describe = [&](const char* what) {
    return [&, what] {
      char value[40];
      std::snprintf(value, sizeof value, "%.17g", x);
      return std::string(what) + ": FormatAmount(" + value + ") = \"" +
             Escaped(text) + "\"";
    };
  };
  Check(IsNumberText(text, c), describe("not a number again"));
  const double y = TextToDouble(text, c);
  const long double magnitude = std::fabs(static_cast<long double>(x));
  const bool negative = std::signbit(x);

  if (magnitude < 1e13L) {
    const long double cents = magnitude * 100;  // exact in 64 bits
    const long double below = std::floor(cents);
    const long double window =
        magnitude >= 1 ? 0.5L * std::pow(10.0L, IntegerDigits(magnitude) - 13)
                       : 5e-13L * magnitude;
    std::vector<std::uint64_t> allowed = {
        static_cast<std::uint64_t>(cents - below >= 0.5L ? below + 1 : below)};
    if (std::fabs(cents - below - 0.5L) <= window * (1 + 1e-9L)) {
      allowed = {static_cast<std::uint64_t>(below),
                 static_cast<std::uint64_t>(below) + 1};
    }
    const bool matched =
        std::any_of(allowed.begin(), allowed.end(), [&](std::uint64_t k) {
          // k / 100.0 is the double nearest to k/100, as a correct reader
          // must give for the text.
          const double value = static_cast<double>(k) / 100.0;
          return text == CentsText(k, negative, c) &&
                 y == (negative ? -value : value);
        });
    Check(matched, describe("not the cent nearest to the value"));
    return;
  }
  const long double above =
      std::nextafter(std::fabs(y), std::numeric_limits<double>::max());
  const long double below_y = std::nextafter(std::fabs(y), 0.0);
  const long double ulp =
      std::max<long double>(above - std::fabs(y), std::fabs(y) - below_y);
  Check(std::signbit(y) == negative &&
            std::fabs(static_cast<long double>(y) - x) <=
                5e-15L * magnitude + ulp / 2,
        describe("further from the value than 15 digits allow"));
  Check(text.size() > 2 + c.decimal_separator.size() &&
            std::string_view(text)
                .substr(0, text.size() - 2)
                .ends_with(c.decimal_separator),
        describe("not two decimals"));
}

}  // namespace
}  // namespace eurolire::fuzz

// Input: one byte choosing the conventions and the currency signs (none, the
// euro field's or the lire field's), then the text.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace eurolire;
  using namespace eurolire::fuzz;
  if (size == 0) return 0;
  const NumberConventions& locale = kConventions[data[0] % kConventions.size()];
  const int signs = data[0] / kConventions.size() % 3;
  const NumberConventions c =
      signs == 0
          ? locale
          : FieldConventions(signs == 1 ? Field::Euro : Field::Lire, locale);
  const std::string_view text(reinterpret_cast<const char*>(data + 1),
                              size - 1);
  CheckReading(text, c);

  // Values to write: the text's own value and the converter's products of
  // it, any bit pattern (subnormals, the largest double, NaN), and
  // thousandths, which land on half cents often.
  if (IsNumberText(text, c)) {
    const double value = TextToDouble(text, c);
    for (double x : {value, value * 1936.27, value / 1936.27}) {
      CheckWriting(x, c);
    }
  }
  if (text.size() >= sizeof(double)) {
    double bits;
    std::memcpy(&bits, text.data(), sizeof bits);
    CheckWriting(bits, c);
  }
  if (text.size() >= sizeof(std::int32_t)) {
    std::int32_t thousandths;
    std::memcpy(&thousandths, text.data(), sizeof thousandths);
    CheckWriting(thousandths / 1000.0, c);
  }
  return 0;
}

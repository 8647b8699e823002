// libFuzzer target for number text. Reads any bytes as an amount under one of
// several locales' conventions, with no currency or either field's, and holds
// the reader and the leading-number reading to a second, independent reading
// of the same grammar (fuzz/reference_reading.h); spells an amount drawn from
// the input in Italian words (fuzz/number_words_writer.h), in the forms
// documents write, and checks that the reader reads that very amount; then
// writes values drawn from the input in the amount format and checks that
// each text reads back as the cent it shows, as far as a double can tell.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "converter/conversion.h"
#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/number_words_writer.h"
#include "fuzz/reference_reading.h"

namespace eurolire::fuzz {
namespace {

// Holding x * 100 exactly needs 53 + 7 bits of mantissa.
static_assert(std::numeric_limits<long double>::digits >= 64,
              "the cent checks need an 80-bit long double");

// The double in full, for reports.
std::string Shown(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// Holds IsNumberText, TextToDouble and LeadingNumber to the reference
// reading; where the number is in words, to each other.
void CheckReading(std::string_view text, const NumberConventions& c) {
  const double leading = LeadingNumber(text, c);
  const double expected_leading = ReferenceLeading(text, c);
  Check(leading == expected_leading || (leading == 0 && expected_leading == 0),
        [&] {
          return "LeadingNumber(\"" + Escaped(text) +
                 "\") = " + Shown(leading) + ", the grammar says " +
                 Shown(expected_leading);
        });

  const ReferenceVerdict expected = ReferenceReading(text, c);
  const bool is_number = IsNumberText(text, c);
  Check(!expected.known || is_number == expected.value.has_value(), [&] {
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
    Check(!expected.known ||
              (value == *expected.value &&
               std::signbit(value) == std::signbit(*expected.value)),
          [&] {
            return "TextToDouble(\"" + Escaped(text) + "\") = " + Shown(value) +
                   ", strtod reads " + Shown(*expected.value);
          });
  } catch (const TypeMismatchError&) {
    Check(!is_number, [&] {
      return "TextToDouble threw on the number \"" + Escaped(text) + "\"";
    });
  }
}

// Writes an amount in words in a form documents use, and checks that the
// core reads exactly that amount back, and that digits beside the words of
// another amount are no number.
void CheckWordsRoundTrip(FuzzedDataProvider& draw, const NumberConventions& c) {
  const AmountInWords amount = NumberWordsWriter(draw).WriteAmount(c);
  const std::string& text = amount.text;
  Check(IsNumberText(text, c), [&] {
    return "IsNumberText(\"" + Escaped(text) + "\") is false, not " +
           amount.exact;
  });
  const double value = TextToDouble(text, c);
  const double expected = std::strtod(amount.exact.c_str(), nullptr);
  Check(value == expected && std::signbit(value) == std::signbit(expected),
        [&] {
          return "TextToDouble(\"" + Escaped(text) + "\") = " + Shown(value) +
                 ", not " + amount.exact;
        });
  CheckReading(text, c);
  Check(amount.mismatched.empty() || !IsNumberText(amount.mismatched, c), [&] {
    return "IsNumberText(\"" + Escaped(amount.mismatched) +
           "\") is true: its digits and words differ";
  });
}

// How `cents` cents are written in the amount format.
std::string CentsText(std::uint64_t cents, bool negative,
                      const NumberConventions& c) {
  const std::uint64_t fraction = cents % 100;
  return std::string(negative && cents > 0 ? "-" : "") +
         Grouped(cents / 100, c.grouping_separator) + c.decimal_separator +
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

// Input: one byte choosing the conventions and the currency (none, the euro
// field's or the lire field's), then the text; the round trip draws its
// amount and its style from the same bytes, from the end.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace eurolire;
  using namespace eurolire::fuzz;
  if (size == 0) return 0;
  const NumberConventions& locale = kConventions[data[0] % kConventions.size()];
  const int currency = data[0] / kConventions.size() % 3;
  const NumberConventions c =
      currency == 0
          ? locale
          : FieldConventions(currency == 1 ? Field::Euro : Field::Lire, locale);
  const std::string_view text(reinterpret_cast<const char*>(data + 1),
                              size - 1);
  CheckReading(text, c);
  FuzzedDataProvider draw(data, size);
  CheckWordsRoundTrip(draw, c);

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

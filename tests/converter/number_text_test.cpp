#include "converter/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/converter/fake_view.h"

namespace eurolire {
namespace {

using testing::kEnglish;
using testing::kItalian;

// A French locale groups with U+202F, a three-byte separator.
const NumberConventions kFrench{",", "\xE2\x80\xAF"};
// Made-up conventions with multi-character separators, so nothing can rest
// on a separator being one byte long or a punctuation mark.
const NumberConventions kExotic{"<d>", "__"};

struct ReadCase {
  const char* text;
  const NumberConventions* conventions;
  std::optional<double> value;  // nullopt: not a number
};

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << '"' << c.text << '"';
}

class ReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTest, RecognitionAndConversionAgree) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(IsNumberText(c.text, *c.conventions), c.value.has_value());
  if (c.value) {
    EXPECT_EQ(TextToDouble(c.text, *c.conventions), *c.value);
  } else {
    EXPECT_THROW(TextToDouble(c.text, *c.conventions), TypeMismatchError);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Italian, ReadTest,
    ::testing::Values(
        ReadCase{"", &kItalian, std::nullopt}, ReadCase{"0", &kItalian, 0.0},
        ReadCase{",5", &kItalian, 0.5}, ReadCase{"0,5", &kItalian, 0.5},
        ReadCase{"-5", &kItalian, -5.0}, ReadCase{"+5", &kItalian, 5.0},
        ReadCase{"12", &kItalian, 12.0}, ReadCase{"12,", &kItalian, 12.0},
        ReadCase{"1.000", &kItalian, 1000.0},
        ReadCase{"1.936,27", &kItalian, 1936.27},
        ReadCase{"1.000.000", &kItalian, 1e6},
        ReadCase{"23.235,24", &kItalian, 23235.24},
        ReadCase{"-1.234,50", &kItalian, -1234.5},
        ReadCase{"  12 ", &kItalian, 12.0},
        ReadCase{"\t12\xC2\xA0", &kItalian, 12.0},
        ReadCase{"\xE2\x80\xAF"
                 "12",
                 &kItalian, 12.0},
        // Runs of blanks of different kinds, a later kind before an
        // earlier one in the list of blanks.
        ReadCase{"\t 12", &kItalian, 12.0}, ReadCase{"12 \t", &kItalian, 12.0},
        ReadCase{"\xC2\xA0 12", &kItalian, 12.0},
        ReadCase{"007", &kItalian, 7.0},
        ReadCase{"12a", &kItalian, std::nullopt},
        ReadCase{"a12", &kItalian, std::nullopt},
        ReadCase{"1.5", &kItalian, std::nullopt},
        ReadCase{"1.93,6", &kItalian, std::nullopt},
        ReadCase{"1000.000", &kItalian, std::nullopt},
        ReadCase{"1.", &kItalian, std::nullopt},
        ReadCase{".500", &kItalian, std::nullopt},
        ReadCase{"1..000", &kItalian, std::nullopt},
        ReadCase{"1.0000", &kItalian, std::nullopt},
        ReadCase{"1,000.5", &kItalian, std::nullopt},
        ReadCase{",", &kItalian, std::nullopt},
        ReadCase{"-", &kItalian, std::nullopt},
        ReadCase{"+", &kItalian, std::nullopt},
        ReadCase{"- 5", &kItalian, std::nullopt},
        ReadCase{"1 000", &kItalian, 1000.0},  // spaces group everywhere
        ReadCase{"1,2,3", &kItalian, std::nullopt},
        ReadCase{"--5", &kItalian, std::nullopt},
        ReadCase{"5-", &kItalian, std::nullopt},
        ReadCase{"1e5", &kItalian, std::nullopt},
        ReadCase{"0x10", &kItalian, std::nullopt},
        ReadCase{"12€", &kItalian, std::nullopt},
        ReadCase{"L. 12", &kItalian, std::nullopt},
        ReadCase{"inf", &kItalian, std::nullopt},
        ReadCase{"nan", &kItalian, std::nullopt},
        ReadCase{"\xEF\xBC\x91", &kItalian, std::nullopt}));  // fullwidth 1

INSTANTIATE_TEST_SUITE_P(
    OtherLocales, ReadTest,
    ::testing::Values(
        ReadCase{"1,936.27", &kEnglish, 1936.27},
        ReadCase{"0.5", &kEnglish, 0.5}, ReadCase{".5", &kEnglish, 0.5},
        ReadCase{"1,000", &kEnglish, 1000.0}, ReadCase{"1.000", &kEnglish, 1.0},
        ReadCase{"1,5", &kEnglish, std::nullopt},
        ReadCase{"1.936,27", &kEnglish, std::nullopt},
        ReadCase{"1\xE2\x80\xAF"
                 "936,27",
                 &kFrench, 1936.27},
        ReadCase{"1 936,27", &kFrench, 1936.27},
        ReadCase{"1 000 000", &kFrench, 1e6},
        ReadCase{"1\xE2\x80\xAF", &kFrench, 1.0},  // a trailing blank
        ReadCase{"\xC2\xA0"
                 "1 \xE2\x80\xAF",
                 &kFrench, 1.0},  // not a group: trailing blanks
        ReadCase{"1\xE2\x80\xAF"
                 "93",
                 &kFrench, std::nullopt},
        ReadCase{"1  000", &kFrench, std::nullopt},
        ReadCase{"1__936<d>27", &kExotic, 1936.27},
        ReadCase{"<d>5", &kExotic, 0.5},
        ReadCase{"1_936<d>27", &kExotic, std::nullopt},
        ReadCase{"1.936,27", &kExotic, std::nullopt},
        ReadCase{"1<d", &kExotic, std::nullopt}));

TEST(ReadTest, TheRangeOfADoubleBoundsWhatIsANumber) {
  const std::string max = "179769313486231570" + std::string(291, '0');
  EXPECT_EQ(TextToDouble(max, kEnglish), std::numeric_limits<double>::max());
  // Just past the largest double: rounds to infinity, so not a number.
  const std::string beyond = "17976931348623159" + std::string(292, '0');
  EXPECT_FALSE(IsNumberText(beyond, kEnglish));
  EXPECT_FALSE(IsNumberText(std::string(400, '9'), kEnglish));
  // A value too small for a double reads as zero, keeping its sign.
  const std::string tiny = "0." + std::string(400, '0') + "1";
  ASSERT_TRUE(IsNumberText(tiny, kEnglish));
  EXPECT_EQ(TextToDouble(tiny, kEnglish), 0.0);
  EXPECT_TRUE(std::signbit(TextToDouble("-" + tiny, kEnglish)));
  // Subnormal values are still read.
  EXPECT_GT(TextToDouble("0." + std::string(310, '0') + "1", kEnglish), 0.0);
  // Long runs of grouped digits are read to the nearest double.
  EXPECT_EQ(TextToDouble("1,000,000,000,000,000,000,000", kEnglish), 1e21);
}

struct FormatCase {
  double value;
  const char* italian;
  const char* english;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.italian; }

class FormatTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTest, WritesAmountFormatInTheLocale) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatAmount(c.value, AmountFormat, kItalian), c.italian);
  EXPECT_EQ(FormatAmount(c.value, AmountFormat, kEnglish), c.english);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, FormatTest,
    ::testing::Values(
        FormatCase{1936.27, "1.936,27", "1,936.27"},
        FormatCase{12 * 1936.27, "23.235,24", "23,235.24"},
        FormatCase{1000 / 1936.27, "0,52", "0.52"},
        FormatCase{1 / 1936.27, "0,00", "0.00"},
        FormatCase{1000000 * 1936.27, "1.936.270.000,00", "1,936,270,000.00"},
        FormatCase{0, "0,00", "0.00"}, FormatCase{-0.0, "0,00", "0.00"},
        FormatCase{0.004999, "0,00", "0.00"}, FormatCase{0.005, "0,01", "0.01"},
        FormatCase{-0.004, "0,00", "0.00"},  // no sign on a zero
        FormatCase{-1234.5, "-1.234,50", "-1,234.50"},
        FormatCase{999.995, "1.000,00", "1,000.00"},
        FormatCase{999999.999, "1.000.000,00", "1,000,000.00"},
        FormatCase{100, "100,00", "100.00"},
        FormatCase{1000, "1.000,00", "1,000.00"},
        FormatCase{123456, "123.456,00", "123,456.00"},
        // Halves of a cent in decimal that binary holds just below half:
        // regulation 1103/97 rounds them up.
        FormatCase{0.5 * 1936.27, "968,14", "968.14"},
        FormatCase{1.005, "1,01", "1.01"}, FormatCase{-1.005, "-1,01", "-1.01"},
        FormatCase{2.675, "2,68", "2.68"},
        // Past fifteen significant digits a double holds no more.
        FormatCase{123456789012345678.0, "123.456.789.012.346.000,00",
                   "123,456,789,012,346,000.00"},
        FormatCase{1e20, "100.000.000.000.000.000.000,00",
                   "100,000,000,000,000,000,000.00"}));

TEST(FormatTest, EveryWrittenAmountReadsBackAsTheCentItShows) {
  std::vector<double> values = {std::numeric_limits<double>::max(),
                                std::nextafter(1.79769313486231e308, 0.0),
                                1.79769313486231e308,
                                std::nextafter(1.79769313486231e308, HUGE_VAL),
                                std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<double>::min(),
                                9.28e304 * 1936.27,
                                0.125,
                                5e-3,
                                4.35,
                                1e15 + 0.125};
  for (double x = 1e-3; x < 1e300; x *= 7.77) values.push_back(x);
  for (const NumberConventions* conventions :
       {&kItalian, &kEnglish, &kFrench, &kExotic}) {
    for (double value : values) {
      for (double signed_value : {value, -value}) {
        const std::string text =
            FormatAmount(signed_value, AmountFormat, *conventions);
        ASSERT_TRUE(IsNumberText(text, *conventions)) << text;
        const double back = TextToDouble(text, *conventions);
        // The text shows the value to the cent, as far as a double tells.
        const double cents = std::fabs(signed_value) < 1e13
                                 ? 0.005 + 1e-12
                                 : std::fabs(signed_value) * 1e-14;
        EXPECT_NEAR(back, signed_value, cents) << text;
      }
    }
  }
}

TEST(FormatTest, LargestDoubleKeepsSeventeenDigitsSoItReadsBack) {
  const std::string text =
      FormatAmount(std::numeric_limits<double>::max(), "0", kEnglish);
  EXPECT_EQ(text, "17976931348623157" + std::string(292, '0'));
  EXPECT_EQ(FormatAmount(1.79769313486231e308, "0", kEnglish),
            "179769313486231" + std::string(294, '0'));
  // Both sides of where the 15-digit reading leaves the range.
  EXPECT_EQ(FormatAmount(1.7976931348623099e308, "0", kEnglish),
            "179769313486231" + std::string(294, '0'));
  EXPECT_EQ(FormatAmount(1.7976931348623151e308, "0", kEnglish),
            "17976931348623151" + std::string(292, '0'));
}

// The Qt window's start-up calls setlocale(LC_ALL, ""): under an Italian
// locale the C library writes and reads numbers with a decimal comma, under
// a Pashto one with the two-byte U+066B, and amounts must follow neither.
TEST(FormatTest, IgnoresTheCLibraryLocale) {
  struct Restore {
    std::string name = std::setlocale(LC_NUMERIC, nullptr);
    ~Restore() { std::setlocale(LC_NUMERIC, name.c_str()); }
  } restore;
  int tried = 0;
  for (const char* name : {"it_IT.UTF-8", "de_DE.UTF-8", "ps_AF.UTF-8"}) {
    if (!std::setlocale(LC_NUMERIC, name) ||
        std::string(std::localeconv()->decimal_point) == ".") {
      continue;
    }
    ++tried;
    SCOPED_TRACE(name);
    EXPECT_EQ(FormatAmount(1936.27, AmountFormat, kEnglish), "1,936.27");
    EXPECT_EQ(TextToDouble("1,936.27", kEnglish), 1936.27);
    // Reading back the 15-digit text decides on 17 digits here.
    EXPECT_EQ(FormatAmount(std::numeric_limits<double>::max(), "0", kEnglish),
              "17976931348623157" + std::string(292, '0'));
  }
  if (tried == 0) GTEST_SKIP() << "no locale without a \".\" installed";
}

TEST(FormatTest, RejectsValuesWithNoAmount) {
  for (double value : {std::numeric_limits<double>::infinity(),
                       -std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_THROW(FormatAmount(value, AmountFormat, kItalian), OverflowError);
  }
}

struct PatternCase {
  const char* pattern;
  double value;
  const char* english;
};

TEST(FormatTest, OtherPatterns) {
  const PatternCase cases[] = {
      {"0.00", 1234.5, "1234.50"},
      {"#,##0", 1234.5, "1,235"},
      {"0", 0.4, "0"},
      {"0", 2.5, "3"},
      {"0.0#", 1.5, "1.5"},
      {"0.0#", 1.25, "1.25"},
      {"0.0#", 1.999, "2.0"},
      {"#.##", 0.5, ".5"},
      {"#.##", 3, "3"},
      {"000", 7, "007"},
      {"#,##0.0000", 1936.27, "1,936.2700"},
      {"", 12.3, "12"},
  };
  for (const PatternCase& c : cases) {
    EXPECT_EQ(FormatAmount(c.value, c.pattern, kEnglish), c.english)
        << c.pattern << " " << c.value;
  }
  for (const char* pattern : {"0,", ",0", "0,,0", "0.0,0", "0#", "$0.00",
                              "0.00%", "0.0.0", "0.#0", "0e0"}) {
    EXPECT_THROW(FormatAmount(1, pattern, kEnglish), std::invalid_argument)
        << pattern;
  }
}

TEST(CurrencyTest, StoresTheAmountInTenThousandths) {
  EXPECT_EQ(CurrencyFromDouble(1936.27), CurrencyValue{19'362'700});
  EXPECT_EQ(CurrencyToDouble(CurrencyValue{19'362'700}), 1936.27);
  EXPECT_EQ(CurrencyFromDouble(-1.23456), CurrencyValue{-12'346});
  EXPECT_EQ(CurrencyFromDouble(0.00004), CurrencyValue{0});
  EXPECT_EQ(CurrencyFromDouble(100'000'000'000'000.0),
            CurrencyValue{1'000'000'000'000'000'000});
  EXPECT_EQ(CurrencyToDouble(CurrencyValue{-5}), -0.0005);
}

TEST(CurrencyTest, OverflowsOutsideTheSixtyFourBitRange) {
  for (double value : {922'337'203'685'477.6, -922'337'203'685'478.0, 1e300,
                       std::numeric_limits<double>::infinity(),
                       std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_THROW(CurrencyFromDouble(value), OverflowError) << value;
  }
}

}  // namespace
}  // namespace eurolire

// One conversion with no window: the text-to-text conversion the command
// line prints, and the arithmetic faults both directions can meet.
#include "converter/conversion.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "converter/run_time_error.h"
#include "tests/converter/fake_view.h"

namespace eurolire {
namespace {

using testing::kEnglish;
using testing::kItalian;

struct TextCase {
  const char* name;
  Field source;
  bool italian;
  std::string text;
  std::string expected;
};

// By name: the bytes of the struct would include its padding.
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class ConvertTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ConvertTextTest, ReadsConvertsRoundsAndWrites) {
  const TextCase& c = GetParam();
  EXPECT_EQ(ConvertText(c.text, c.source, c.italian ? kItalian : kEnglish),
            c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Amounts, ConvertTextTest,
    ::testing::Values(
        TextCase{"EuroIt", Field::Euro, true, "12", "23.235,24"},
        TextCase{"EuroEn", Field::Euro, false, "12", "23,235.24"},
        TextCase{"HalfCentUp", Field::Euro, true, "0,5", "968,14"},
        TextCase{"GroupedLire", Field::Lire, true, "1.000.000", "516,46"},
        TextCase{"GroupedLireEn", Field::Lire, false, "1,000,000", "516.46"},
        TextCase{"LireBelowHalfCent", Field::Lire, true, "1", "0,00"},
        TextCase{"LireFraction", Field::Lire, true, "0,5", "0,00"},
        TextCase{"RateBack", Field::Lire, true, "1.936,27", "1,00"},
        TextCase{"Zero", Field::Euro, true, "0", "0,00"},
        TextCase{"NegativeEuro", Field::Euro, true, "-1", "-1.936,27"},
        TextCase{"NegativeLire", Field::Lire, false, "-1000", "-0.52"},
        TextCase{"Blanks", Field::Euro, true, " 12\t", "23.235,24"}),
    [](const auto& info) { return std::string(info.param.name); });

// A field's text read with that field's currency signs, in Italy.
struct SignCase {
  Field field;
  const char* text;
  std::optional<double> value;  // nullopt: not a number
  double leading;               // LeadingNumber, "." the decimal point
};

void PrintTo(const SignCase& c, std::ostream* os) {
  *os << (c.field == Field::Euro ? "EURO " : "LIRE ") << '"' << c.text << '"';
}

class CurrencySignTest : public ::testing::TestWithParam<SignCase> {};

TEST_P(CurrencySignTest, FieldReadsItsOwnSigns) {
  const SignCase& c = GetParam();
  const NumberConventions conventions = FieldConventions(c.field, kItalian);
  ASSERT_EQ(IsNumberText(c.text, conventions), c.value.has_value());
  if (c.value) {
    EXPECT_DOUBLE_EQ(TextToDouble(c.text, conventions), *c.value);
  } else {
    EXPECT_THROW(TextToDouble(c.text, conventions), TypeMismatchError);
  }
  EXPECT_DOUBLE_EQ(LeadingNumber(c.text, conventions), c.leading);
}

constexpr Field kE = Field::Euro;
constexpr Field kL = Field::Lire;
INSTANTIATE_TEST_SUITE_P(
    Italian, CurrencySignTest,
    ::testing::Values(
        SignCase{kL, "L. 1.000.000", 1e6, 1}, SignCase{kL, "L.1.000", 1e3, 1},
        SignCase{kL, "Lit. 250.000", 25e4, 250},
        SignCase{kL, "lit. 1.000", 1e3, 1},
        SignCase{kL, "ITL 1.936.270", 1936270, 1.936},
        SignCase{kL, "\u00A3 1.500", 1500, 1.5},
        SignCase{kL, "\u20A4 1.500", 1500, 1.5},
        SignCase{kL, "1.000 \u20A4", 1000, 1}, SignCase{kL, "L. 0,5", 0.5, 0},
        SignCase{kL, "L. -5", -5, -5}, SignCase{kL, "-L. 5", -5, -5},
        SignCase{kE, "\u20AC 12,50", 12.5, 12},
        SignCase{kE, "12,50 \u20AC", 12.5, 12},
        SignCase{kE, "\u20AC12,50", 12.5, 12}, SignCase{kE, "EUR 12", 12, 12},
        SignCase{kE, "eur 12", 12, 12}, SignCase{kE, "-\u20AC 5", -5, -5},
        SignCase{kE, "\u20AC -5", -5, -5},
        // Letters after the digits, as "12a".
        SignCase{kE, "12 EUR", std::nullopt, 12},
        SignCase{kL, "1.000 lire", std::nullopt, 1},
        // A sign alone, two signs, a sign inside the number.
        SignCase{kE, "\u20AC", std::nullopt, 0},
        SignCase{kE, "\u20AC 12 \u20AC", std::nullopt, 12},
        SignCase{kL, "L. \u00A3 5", std::nullopt, 0},
        SignCase{kE, "1\u20AC2", std::nullopt, 1},
        SignCase{kL, "1.\u00A3000", std::nullopt, 1},
        // A minus apart from what it negates, and two of them.
        SignCase{kE, "- \u20AC 5", std::nullopt, 0},
        SignCase{kE, "-\u20AC-5", std::nullopt, 0},
        // The other currency's signs: nothing is guessed across currencies.
        SignCase{kL, "\u20AC 12", std::nullopt, 0},
        SignCase{kE, "L. 1.000", std::nullopt, 0},
        SignCase{kE, "\u00A3 5", std::nullopt, 0}));

TEST(ConvertTextFaultTest, NonNumberIsATypeMismatch) {
  for (const char* text : {"", "12a", "1e5", "abc", "1,2,3", "L. 5"}) {
    EXPECT_THROW(ConvertText(text, Field::Euro, kItalian), TypeMismatchError)
        << text;
  }
}

TEST(ConvertTextFaultTest, ResultBeyondTheLargestDoubleIsAnOverflow) {
  // 1e305 is a double, 1e305 x 1936.27 is not.
  const std::string huge = "1" + std::string(305, '0');
  EXPECT_THROW(ConvertText(huge, Field::Euro, kItalian), OverflowError);
  // The same amount in lire is well within range.
  EXPECT_NO_THROW(ConvertText(huge, Field::Lire, kItalian));
}

TEST(ConvertAmountTest, ZeroRateFromLireIsADivisionByZero) {
  EXPECT_THROW(ConvertAmount(1, Field::Lire, CurrencyValue{}),
               DivisionByZeroError);
  EXPECT_EQ(ConvertAmount(1, Field::Euro, CurrencyValue{}), 0);
}

}  // namespace
}  // namespace eurolire

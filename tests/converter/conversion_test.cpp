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

// The grammar of a field's amounts: the field's text under a locale, whether
// it is a number, its value and its leading number ("." the point).
struct GrammarCase {
  Field field;
  const NumberConventions* locale;
  const char* text;
  std::optional<double> value;  // nullopt: not a number
  double leading;
};

void PrintTo(const GrammarCase& c, std::ostream* os) {
  *os << (c.field == Field::Euro ? "EURO " : "LIRE ") << '"' << c.text << '"';
}

class AmountGrammarTest : public ::testing::TestWithParam<GrammarCase> {};

TEST_P(AmountGrammarTest, FieldReadsAmountsAsDocumentsWriteThem) {
  const GrammarCase& c = GetParam();
  const NumberConventions conventions = FieldConventions(c.field, *c.locale);
  ASSERT_EQ(IsNumberText(c.text, conventions), c.value.has_value());
  if (c.value) {
    // Exactly: a multiplier or words leave no binary error behind.
    EXPECT_EQ(TextToDouble(c.text, conventions), *c.value);
  } else {
    EXPECT_THROW(TextToDouble(c.text, conventions), TypeMismatchError);
  }
  EXPECT_DOUBLE_EQ(LeadingNumber(c.text, conventions), c.leading);
}

constexpr Field kE = Field::Euro;
constexpr Field kL = Field::Lire;
const NumberConventions* const kIt = &kItalian;
const NumberConventions* const kEn = &kEnglish;
INSTANTIATE_TEST_SUITE_P(
    Designations, AmountGrammarTest,
    ::testing::Values(GrammarCase{kL, kIt, "L. 1.000.000", 1e6, 1},
                      GrammarCase{kL, kIt, "L.1.000", 1e3, 1},
                      GrammarCase{kL, kIt, "Lit. 250.000", 25e4, 250},
                      GrammarCase{kL, kIt, "lit. 1.000", 1e3, 1},
                      GrammarCase{kL, kIt, "ITL 1.936.270", 1936270, 1.936},
                      GrammarCase{kL, kIt, "\u00A3 1.500", 1500, 1.5},
                      GrammarCase{kL, kIt, "1.000\u20A4", 1000, 1},
                      GrammarCase{kL, kIt, "\u20A4. 1.500", 1500, 1.5},
                      GrammarCase{kL, kIt, "L. 0,5", 0.5, 0},
                      GrammarCase{kL, kIt, "L. -5", -5, -5},
                      GrammarCase{kL, kIt, "-L. 5", -5, -5},
                      GrammarCase{kL, kIt, "1.500.000 lire", 1.5e6, 1.5},
                      GrammarCase{kL, kIt, "lire   1.500.000", 1.5e6, 1.5},
                      GrammarCase{kL, kIt, "LIRA 1", 1, 1},
                      GrammarCase{kL, kIt, "12 L", 12, 12},
                      GrammarCase{kE, kIt, "\u20AC 12,50", 12.5, 12},
                      GrammarCase{kE, kIt, "12,50 \u20AC", 12.5, 12},
                      GrammarCase{kE, kIt, "\u20AC -5", -5, -5},
                      GrammarCase{kE, kIt, "eur 12", 12, 12},
                      GrammarCase{kE, kIt, "750 EUR", 750, 750},
                      GrammarCase{kE, kIt, "660euro", 660, 660},
                      GrammarCase{kE, kIt, "61,97 Euro", 61.97, 61},
                      GrammarCase{kE, kIt, "euros 5", 5, 5},
                      GrammarCase{kE, kEn, "EUR 1,250.00", 1250, 1},
                      GrammarCase{kL, kEn, "1,500,000 lire", 1.5e6, 1}));

INSTANTIATE_TEST_SUITE_P(
    MultipliersWordsAndSpaces, AmountGrammarTest,
    ::testing::Values(
        GrammarCase{kL, kIt, "150 mila lire", 15e4, 150},
        GrammarCase{kE, kIt, "2mila euro", 2e3, 2},
        GrammarCase{kE, kIt, "1,5 milioni di euro", 1.5e6, 1},
        GrammarCase{kE, kIt, "1,1 milioni", 1.1e6, 1},
        GrammarCase{kL, kIt, "lire 4 miliardi", 4e9, 4},
        GrammarCase{kL, kIt, "L. 12 mln", 12e6, 12},
        GrammarCase{kL, kIt, "2 MLD", 2e9, 2},
        GrammarCase{kL, kIt, "lire cinquecentomila", 5e5, 0},
        GrammarCase{kL, kIt, "un milione e mezzo di lire", 1.5e6, 0},
        GrammarCase{kL, kIt, "ventiquattromila lire", 24e3, 0},
        GrammarCase{kL, kIt, "Unmilionecinquecentomila", 1.5e6, 0},
        GrammarCase{kL, kIt, "sedici milioni cinquecentomila", 16.5e6, 0},
        GrammarCase{kL, kIt, "dieci mila", 1e4, 0},
        GrammarCase{kL, kIt, "un milione e duecentomila", 1.2e6, 0},
        GrammarCase{kL, kIt, "1 milione 200 mila lire", 1.2e6, 1},
        GrammarCase{kE, kIt, "un milione e 300 mila euro", 1.3e6, 0},
        GrammarCase{kL, kIt, "2 miliardi 300 milioni di lire", 2.3e9, 2},
        GrammarCase{kE, kIt, "2 mila 500", 2500, 2},
        GrammarCase{kL, kIt, "lire 2 mila 3 volte", std::nullopt, 2},
        GrammarCase{kL, kIt, "mezzo milione di lire", 5e5, 0},
        GrammarCase{kL, kIt, "1.000.000 di lire", 1e6, 1},
        GrammarCase{kE, kIt, "11 euro e 50", 11.5, 11},
        GrammarCase{kE, kIt, "5 euro e mezzo", 5.5, 5},
        GrammarCase{kE, kIt, "1 euro e 55 cents", 1.55, 1},
        GrammarCase{kL, kIt, "centottanta lire", 180, 0},
        GrammarCase{kL, kIt, "centoottanta", 180, 0},
        GrammarCase{kL, kIt, "centottantotto", 188, 0},
        GrammarCase{kL, kIt, "TRENTATR\u00C9", 33, 0},
        GrammarCase{kL, kIt, "novecentonovantanovemila ventotto", 999028, 0},
        GrammarCase{kL, kIt, "duemilaventuno", 2021, 0},
        GrammarCase{kL, kIt, "zero", 0, 0},
        GrammarCase{kE, kIt, "euro 1.250,50 (milleduecentocinquanta/50)",
                    1250.5, 1.25},
        GrammarCase{kE, kIt, "100 (cento) euro", 100, 100},
        GrammarCase{kE, kIt, "dodici euro e cinquanta centesimi", 12.5, 0},
        GrammarCase{kE, kIt, "euro 3 e 5 centesimi", 3.05, 3},
        GrammarCase{kE, kIt, "EUR quattromila e cinque centesimi", 4000.05, 0},
        GrammarCase{kE, kIt, "2 mila euro e 5 centesimi", 2000.05, 2},
        GrammarCase{kL, kIt, "lire mille/00", 1000, 0},
        GrammarCase{kL, kIt, "L. 1 500 000", 1.5e6, 1},
        GrammarCase{kL, kIt, "\u00A31\u2009500\u00A0000", 1.5e6, 1},
        GrammarCase{kL, kEn, "500 000 lire", 5e5, 500}));

// Not numbers: letters after the digits, a word or designation alone, two
// designations, another currency's, parentheses around the amount, digits
// and words that differ, two multipliers, two kinds of grouping.
INSTANTIATE_TEST_SUITE_P(
    Refusals, AmountGrammarTest,
    ::testing::Values(
        GrammarCase{kL, kIt, "12 euro", std::nullopt, 12},
        GrammarCase{kE, kIt, "lire 5", std::nullopt, 0},
        GrammarCase{kE, kIt, "L. 1.000", std::nullopt, 0},
        GrammarCase{kL, kIt, "\u20AC 12", std::nullopt, 0},
        GrammarCase{kL, kIt, "12a", std::nullopt, 12},
        GrammarCase{kL, kIt, "12 a", std::nullopt, 12},
        GrammarCase{kL, kIt, "12 abc", std::nullopt, 12},
        GrammarCase{kE, kIt, "12 euroo", std::nullopt, 12},
        GrammarCase{kL, kIt, "Lotto", std::nullopt, 0},
        GrammarCase{kL, kIt, "mila", std::nullopt, 0},
        GrammarCase{kL, kIt, "lire", std::nullopt, 0},
        GrammarCase{kE, kIt, "\u20AC", std::nullopt, 0},
        GrammarCase{kE, kIt, "\u20AC 12 \u20AC", std::nullopt, 12},
        GrammarCase{kL, kIt, "L. \u00A3 5", std::nullopt, 0},
        GrammarCase{kE, kIt, "(\u20AC 12)", std::nullopt, 0},
        GrammarCase{kE, kIt, "1\u20AC2", std::nullopt, 1},
        GrammarCase{kE, kIt, "- \u20AC 5", std::nullopt, 0},
        GrammarCase{kE, kIt, "-\u20AC-5", std::nullopt, 0},
        GrammarCase{kL, kIt, "1.000 (duemila) lire", std::nullopt, 1},
        GrammarCase{kL, kIt, "12 mila mila", std::nullopt, 12},
        GrammarCase{kL, kIt, "dodicimilla", std::nullopt, 0},
        GrammarCase{kL, kIt, "mille milioni", std::nullopt, 0},
        GrammarCase{kL, kIt, "uncento", std::nullopt, 0},
        GrammarCase{kL, kIt, "dodici lire e cinquanta centesimi", std::nullopt,
                    0},
        GrammarCase{kL, kIt, "1.500 000", std::nullopt, 1.5},
        GrammarCase{kL, kIt, "1000.000 lire", std::nullopt, 1000}));

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

// One conversion with no window: the text-to-text conversion the command
// line prints, and the arithmetic faults both directions can meet.
#include "converter/conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <utility>

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
  const ConvertedText converted =
      ConvertText(c.text, c.source, c.italian ? kItalian : kEnglish);
  EXPECT_FALSE(converted.fault);
  EXPECT_EQ(converted.text, c.expected);
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
        TextCase{"Blanks", Field::Euro, true, " 12\t", "23.235,24"},
        // Every digit exact however many there are, the cent rounded once.
        TextCase{"TensOfMillions", Field::Euro, true, "51.645.689,98",
                 "100.000.000.137,57"},
        TextCase{"Billions", Field::Euro, true, "5164568991",
                 "10.000.000.000.203,57"},
        TextCase{"FourDecimals", Field::Euro, true, "516457,0437",
                 "1.000.000.280,00"},
        TextCase{"FourteenDecimals", Field::Euro, true, "0,51645948137398",
                 "1.000,00"},
        TextCase{"Trillions", Field::Euro, true, "99999999999999,99",
                 "193.626.999.999.999.980,64"},
        TextCase{"TwentyDecimals", Field::Euro, true, "0,12345678901234567890",
                 "239,05"},
        TextCase{"JustBelowHalfCent", Field::Euro, true, "0,49999999999999999",
                 "968,13"},
        TextCase{"NegativeHalfCent", Field::Euro, true, "-0,5", "-968,14"},
        TextCase{"LireTenMillionEuros", Field::Lire, true, "19.362.744.176",
                 "10.000.022,81"},
        TextCase{"LireJustBelowHalfCent", Field::Lire, true,
                 "9,6813499999999999", "0,00"},
        TextCase{"LireHalfCent", Field::Lire, true, "9,68135", "0,01"},
        TextCase{"LireNegativeHalfCent", Field::Lire, true, "-9,68135",
                 "-0,01"},
        TextCase{"StateBudget", Field::Lire, true, "lire 930.671.374.429.838",
                 "480.651.652.109,38"},
        TextCase{"TwentySixDigits", Field::Lire, true,
                 "10000000000000000000000000",
                 "5.164.568.990.894.864.869.052,35"},
        TextCase{"ThreeHundredDigits", Field::Lire, true,
                 "1" + std::string(299, '0'),
                 "51.645.689.908.948.648.690.523.532.358.607.012.451.775.837.0"
                 "47.519.199.285.223.651.660.150.702.123.154.312.156.878.947.6"
                 "67.422.415.262.334.281.892.504.661.023.514.282.615.544.319.7"
                 "48.795.364.282.873.772.769.293.538.607.735.491.434.562.328.6"
                 "00.866.614.676.672.158.325.026.984.872.977.425.668.940.798.5"
                 "45.657.372.164.006.052.874.857.328.781.626.529.357.992.428.7"
                 "41.859.348.128.101.969.250.156.228,21"},
        // The largest euro amount whose lire a double still holds.
        TextCase{"LargestEuro", Field::Euro, false,
                 "928431021945449657298460294304530954257072271480928935201050"
                 "364775805896351049961764883089536000697714318180918430218466"
                 "156866283379592735675590122614644758643726866608006030544675"
                 "354396947282826075267035434468620447390909443636036399163520"
                 "255311979832741138603425713894976999900321277988311961544124"
                 "39637.95",
                 "179,769,313,486,231,580,793,728,971,405,303,415,079,934,132,"
                 "710,037,826,936,173,778,980,444,968,292,764,750,946,649,017,"
                 "977,587,207,096,330,286,416,692,887,910,946,555,547,851,940,"
                 "402,630,657,488,671,505,820,681,908,902,000,708,383,676,273,"
                 "854,845,817,711,531,764,475,730,270,069,855,571,366,959,622,"
                 "842,914,819,860,834,936,475,292,719,074,168,444,365,510,704,"
                 "342,711,559,699,508,093,042,880,177,904,174,497,773.45"}),
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
    EXPECT_EQ(ConvertText(text, Field::Euro, kItalian).fault,
              ConversionFault::kNotANumber)
        << text;
  }
}

TEST(ConvertTextFaultTest, ResultBeyondTheLargestDoubleIsAnOverflow) {
  // 1e305 is a double, 1e305 x 1936.27 is not.
  const std::string huge = "1" + std::string(305, '0');
  EXPECT_EQ(ConvertText(huge, Field::Euro, kItalian).fault,
            ConversionFault::kBeyondRange);
  // The same amount in lire is well within range.
  EXPECT_FALSE(ConvertText(huge, Field::Lire, kItalian).fault);
  // A cent above the largest euro amount of the table above.
  EXPECT_EQ(
      ConvertText("928431021945449657298460294304530954257072271480928935201050"
                  "364775805896351049961764883089536000697714318180918430218466"
                  "156866283379592735675590122614644758643726866608006030544675"
                  "354396947282826075267035434468620447390909443636036399163520"
                  "255311979832741138603425713894976999900321277988311961544124"
                  "39637.96",
                  Field::Euro, kEnglish)
          .fault,
      ConversionFault::kBeyondRange);
}

// The amounts a field reads end where a double ends: 2^1024 - 2^970 rounds
// to infinity, one less to the largest double, as the C library reads them.
TEST(ConvertTextFaultTest, AmountsEndWhereADoubleEnds) {
  const std::string beyond =
      "179769313486231580793728971405303415079934132710037826936173"
      "778980444968292764750946649017977587207096330286416692887910"
      "946555547851940402630657488671505820681908902000708383676273"
      "854845817711531764475730270069855571366959622842914819860834"
      "936475292719074168444365510704342711559699508093042880177904"
      "174497792";
  std::string below = beyond;
  below.back() = '1';
  for (const auto& [text, in_range] :
       {std::pair{below, true}, {beyond, false}}) {
    const bool read = !std::isinf(std::strtod(text.c_str(), nullptr));
    ASSERT_EQ(read, in_range) << text;
    EXPECT_EQ(IsNumberText(text, kEnglish), in_range) << text;
    EXPECT_EQ(IsNumberText("-" + text, kEnglish), in_range) << text;
  }
}

TEST(ConvertAmountTest, ZeroRateFromLireHasNoResult) {
  const DecimalAmount one{.digits = "1"};
  EXPECT_FALSE(ConvertAmount(one, Field::Lire, CurrencyValue{}));
  EXPECT_FALSE(IsAboveZero(*ConvertAmount(one, Field::Euro, CurrencyValue{})));
}

}  // namespace
}  // namespace eurolire

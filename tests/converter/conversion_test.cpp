// One conversion with no window: the text-to-text conversion the command
// line prints, and the arithmetic faults both directions can meet.
#include "converter/conversion.h"

#include <gtest/gtest.h>

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

TEST(ConvertTextFaultTest, NonNumberIsATypeMismatch) {
  for (const char* text : {"", "12a", "1e5", "abc", "1,2,3", "€ 5"}) {
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

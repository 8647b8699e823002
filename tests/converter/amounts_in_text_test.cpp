// Whole texts: every amount with a designation given its equivalent, the
// rest of the text left byte for byte, and a second pass changing nothing.
#include "converter/amounts_in_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/converter/fake_view.h"

namespace eurolire {
namespace {

using namespace std::string_literals;
using testing::kEnglish;
using testing::kItalian;

struct TextCase {
  const char* name;
  std::string in;
  std::string out;
  const NumberConventions* locale = &kItalian;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class WithEquivalentsTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(WithEquivalentsTest, WritesEachEquivalentOnceAndNothingElse) {
  const TextCase& c = GetParam();
  const std::string once = WithEquivalents(c.in, *c.locale);
  EXPECT_EQ(once, c.out);
  EXPECT_EQ(WithEquivalents(once, *c.locale), once);
  // The spans the page marks are the insertions: without them, the text.
  std::vector<InsertedSpan> inserted;
  EXPECT_EQ(WithEquivalents(c.in, *c.locale, &inserted), once);
  std::string unmarked;
  std::size_t copied = 0;
  for (const InsertedSpan& span : inserted) {
    EXPECT_EQ(once.substr(span.begin, 2), " (");
    unmarked.append(once, copied, span.begin - copied);
    copied = span.end;
  }
  EXPECT_EQ(unmarked + once.substr(copied), c.in);
  // In pieces as a stream brings them, the same.
  std::string streamed;
  TextConverter converter(*c.locale,
                          [&](std::string_view piece) { streamed += piece; });
  for (char byte : c.in) converter.Take(std::string_view(&byte, 1));
  converter.Finish();
  EXPECT_EQ(streamed, c.out);
}

INSTANTIATE_TEST_SUITE_P(
    Sentences, WithEquivalentsTest,
    ::testing::Values(
        TextCase{"Range", "la sanzione da L. 587.500 a L. 2.350.000;",
                 "la sanzione da L. 587.500 (\u20AC 303,42) a L. 2.350.000 "
                 "(\u20AC 1.213,67);"},
        TextCase{"WordAfterAndDecimalComma",
                 "canone di lire 850.000, e 9.681 lire.",
                 "canone di lire 850.000 (\u20AC 438,99), e 9.681 lire "
                 "(\u20AC 5,00)."},
        TextCase{"Words", "lascio lire cinquecentomila a Maria",
                 "lascio lire cinquecentomila (\u20AC 258,23) a Maria"},
        TextCase{"DigitsWithWords", "euro 12,50 (dodici/50).",
                 "euro 12,50 (dodici/50) (L. 24.203,38)."},
        TextCase{"NoDesignation",
                 "art. 3 del 1997, n. 12: 1.000 persone, 12 L di acqua, "
                 "Legge 12, L'anno 2000, Lotto 5",
                 "art. 3 del 1997, n. 12: 1.000 persone, 12 L di acqua, "
                 "Legge 12, L'anno 2000, Lotto 5"},
        TextCase{"LawsAndDates", "la L. 241/1990, la L. 12 agosto 2016 e L. 5x",
                 "la L. 241/1990, la L. 12 agosto 2016 e L. 5x"},
        TextCase{"Annotated", "L. 1.000.000 (\u20AC 516,46) e 5 euro",
                 "L. 1.000.000 (\u20AC 516,46) e 5 euro (L. 9.681,35)"},
        TextCase{"CrLfAndTabs", "L. 1.000\r\n\t\u20AC 1\r\n",
                 "L. 1.000 (\u20AC 0,52)\r\n\t\u20AC 1 (L. 1.936,27)\r\n"},
        TextCase{"InvalidUtf8AndNul", "\xFF\xFE L. 1.000 \xC3\x28\0 \xE2\x82"s,
                 "\xFF\xFE L. 1.000 (\xE2\x82\xAC 0,52) \xC3\x28\0 \xE2\x82"s},
        TextCase{"Overflow", "euro 1" + std::string(305, '0') + " e L. 1",
                 "euro 1" + std::string(305, '0') + " e L. 1 (\u20AC 0,00)"},
        // Lire are written the Italian way whatever the locale; euros as
        // the text writes them, and each equivalent as its amount is.
        TextCase{"EnglishLocale",
                 "fined 1,500,000 lire, not L. 1.000.000; \u20AC 12.50, "
                 "\u20AC 1,250.00 and \u20AC 1.250",
                 "fined 1,500,000 lire, not L. 1.000.000 (\u20AC 516,46); "
                 "\u20AC 12.50 (L. 24,203.38), \u20AC 1,250.00 (L. "
                 "2,420,337.50) and \u20AC 1.250 (L. 2,420.34)",
                 &kEnglish},
        TextCase{"TheTextsOwnWay",
                 "euro 1.250 e euro 12,50; L. 587.500; euro 1.000,-",
                 "euro 1.250 (L. 2.420.337,50) e euro 12,50 (L. 24.203,38); "
                 "L. 587.500 (\u20AC 303,42); euro 1.000,- (L. 1.936.270,00)",
                 &kEnglish},
        TextCase{"NoEquivalentWhereNoneBelongs",
                 "Da 60 a 72 lire turche; una lira a 7 corde; 700-800 euro; 1 "
                 "milione 200 mila lire; di lire\n1.500 milioni; L. 241 del "
                 "1990; nel 1997 lire 5.000; L. 150.000.000 (lire "
                 "centocinquantamilioni); euro 1.000,-\n",
                 "Da 60 a 72 lire turche; una lira a 7 corde; 700-800 euro (L. "
                 "1.355.389,00-1.549.016,00); 1 milione 200 mila lire (\u20AC "
                 "619,75); di lire\n1.500 milioni (\u20AC 774.685,35); L. 241 "
                 "del 1990; nel 1997 lire 5.000 (\u20AC 2,58); L. 150.000.000 "
                 "(lire centocinquantamilioni) (\u20AC 77.468,53); euro "
                 "1.000,- (L. 1.936.270,00)\n",
                 &kEnglish}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextConverterTest, ALineOfAMegabyteIsCutWhereNoAmountIs) {
  std::string line;
  while (line.size() <= TextConverter::kLongestLine) line += "una frase; ";
  line += "lire 850.000";
  std::string streamed;
  std::size_t largest = 0;
  TextConverter converter(kItalian, [&](std::string_view piece) {
    streamed += piece;
    largest = std::max(largest, piece.size());
  });
  for (std::size_t i = 0; i < line.size(); i += 4096) {
    converter.Take(std::string_view(line).substr(i, 4096));
  }
  converter.Finish();
  EXPECT_EQ(streamed, line + " (\u20AC 438,99)");
  EXPECT_LE(largest, TextConverter::kLongestLine + 4096);
}

}  // namespace
}  // namespace eurolire

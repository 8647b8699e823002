// Whole texts: every amount with a designation given its equivalent, the
// rest of the text left byte for byte, and a second pass changing nothing.
#include "converter/amounts_in_text.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
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
        TextCase{"OtherStatesLire",
                 "18.000 lire libanesi, ventimila lire sterline; la lira "
                 "turca: 42 lire; una lira a 7 corde, non vale una lira, un "
                 "euro",
                 "18.000 lire libanesi, ventimila lire sterline; la lira "
                 "turca: 42 lire; una lira a 7 corde, non vale una lira, un "
                 "euro"},
        TextCase{"ItalianLireMarkedBesideOthers",
                 "72 lire turche e 42 lire; L. 1.000; 500 lire vaticane",
                 "72 lire turche e 42 lire (\u20AC 0,02); L. 1.000 (\u20AC "
                 "0,52); 500 lire vaticane (\u20AC 0,26)"},
        TextCase{"CitationsSizesAndClasses",
                 "D.L. 18 del 2020, art. 3, L. 196, L. 5 dic. 2000, Euro 4, "
                 "Euro 2016, L 120 x P 60, Taglia L 42, 20 lit. di latte; Fiat "
                 "1100 lire 21.740",
                 "D.L. 18 del 2020, art. 3, L. 196, L. 5 dic. 2000, Euro 4, "
                 "Euro 2016, L 120 x P 60, Taglia L 42, 20 lit. di latte; Fiat "
                 "1100 lire 21.740 (\u20AC 11,23)"},
        TextCase{"WholeAmounts",
                 "un milione e 300 mila euro; 2 miliardi 300 milioni di lire; "
                 "2 mila 500 euro; lire 1 milione e mezzo; 5 euro e mezzo; 11 "
                 "euro e 50; dodici euro e cinquanta; 5 euro e 20 persone; "
                 "1.000.000 di lire; mezzo milione di lire",
                 "un milione e 300 mila euro (L. 2.517.151.000,00); 2 miliardi "
                 "300 milioni di lire (\u20AC 1.187.850,87); 2 mila 500 euro "
                 "(L. 4.840.675,00); lire 1 milione e mezzo (\u20AC 774,69); 5 "
                 "euro e mezzo (L. 10.649,49); 11 euro e 50 (L. 22.267,11); "
                 "dodici euro e cinquanta (L. 24.203,38); 5 euro (L. 9.681,35) "
                 "e 20 persone; 1.000.000 di lire (\u20AC 516,46); mezzo "
                 "milione di lire (\u20AC 258,23)"},
        TextCase{"Ranges",
                 "1.000-2.000 lire, da 500 a 600 mila lire, L. "
                 "800.000/900.000, euro 10/15, 2,3-2,4 \u20AC/l",
                 "1.000-2.000 lire (\u20AC 0,52-1,03), da 500 a 600 mila lire "
                 "(\u20AC 258,23-309,87), L. 800.000/900.000 (\u20AC "
                 "413,17/464,81), euro 10/15 (L. 19.362,70/29.044,05), 2,3-2,4 "
                 "\u20AC/l (L. 4.453,42-4.647,05)"},
        TextCase{"AcrossLines",
                 "lire   220.250\nmiliardi; 1,5\nmilioni di lire; L. 1\n500 "
                 "000.",
                 "lire   220.250\nmiliardi (\u20AC 113.749.632.024,46); "
                 "1,5\nmilioni di lire (\u20AC 774,69); L. 1\n500 000 (\u20AC "
                 "774,69)."},
        TextCase{"EquivalentsAlreadyWritten",
                 "lire 1.000.000 [\u20AC 516,46]; lire 1.000.000 (pari a "
                 "\u20AC 516,46); lire 1.000.000 (\u20AC 516,46 circa); 150 "
                 "lire (8 centesimi); lire 1.000.000,\npari a \u20AC 516,46; "
                 "1 EUR = 1936,27 ITL; 2.000 lire 1,03 euro; 0,585 sterline "
                 "per 1 euro; L. 12.000 IVA inclusa, pari a euro 6,20; Lire "
                 "1.000 | Euro 0,52",
                 "lire 1.000.000 [\u20AC 516,46]; lire 1.000.000 (pari a "
                 "\u20AC 516,46); lire 1.000.000 (\u20AC 516,46 circa); 150 "
                 "lire (8 centesimi); lire 1.000.000,\npari a \u20AC 516,46; "
                 "1 EUR = 1936,27 ITL; 2.000 lire 1,03 euro; 0,585 sterline "
                 "per 1 euro; L. 12.000 IVA inclusa, pari a euro 6,20; Lire "
                 "1.000 | Euro 0,52"},
        TextCase{"PoundsAreNotLire",
                 "a Londra la birra costa \u00A3 6, la metropolitana \u00A3 "
                 "2,80",
                 "a Londra la birra costa \u00A3 6, la metropolitana \u00A3 "
                 "2,80"},
        TextCase{"WhatStaysWithTheAmount",
                 "euro 25.000.000 (euro venticinquemilioni/00); lire "
                 "1.000.000.=; 10 euro/mese",
                 "euro 25.000.000 (euro venticinquemilioni/00) (L. "
                 "48.406.750.000,00); lire 1.000.000.= (\u20AC 516,46); 10 "
                 "euro/mese (L. 19.362,70)"},
        TextCase{"SmallForms",
                 "Lit.. 50; \u20AC.3.030.000,00; 50 lirette; 1 euro e 55 cents",
                 "Lit.. 50 (\u20AC 0,03); \u20AC.3.030.000,00 (L. "
                 "5.866.898.100,00); 50 lirette (\u20AC 0,03); 1 euro e 55 "
                 "cents (L. 3.001,22)"},
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

// What `converted` inserts into `text`, by the position in `text`: each
// insertion " (€ ...)" or " (L. ...)", its parentheses balanced.
std::map<std::size_t, std::string> Insertions(std::string_view text,
                                              std::string_view converted) {
  std::map<std::size_t, std::string> found;
  for (std::size_t i = 0, j = 0; j < converted.size();) {
    const std::string_view rest = converted.substr(j);
    if (rest.starts_with(" (\u20AC ") || rest.starts_with(" (L. ")) {
      std::size_t end = 1;
      for (int depth = 0; end < rest.size(); ++end) {
        depth += rest[end] == '(' ? 1 : rest[end] == ')' ? -1 : 0;
        if (depth == 0) break;
      }
      const std::string_view block = rest.substr(0, end + 1);
      if (!text.substr(i).starts_with(block)) {
        found[i] = std::string(block);
        j += block.size();
        continue;
      }
    }
    ++i;
    ++j;
  }
  return found;
}

std::string Unescaped(std::string_view line) {
  std::string text;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] == '\\' && i + 1 < line.size() && line[i + 1] == 'n') {
      text += '\n';
      ++i;
    } else {
      text += line[i];
    }
  }
  return text;
}

// The passages of tests/converter/data/passages.txt, each against what a
// careful reader expects, and the figures the file's last line records.
TEST(PassagesTest, RealDocumentsGetTheirEquivalentsAndNoneElse) {
  constexpr std::string_view kPassages =
#include "passages.inc"
      ;
  std::istringstream lines{std::string(kPassages)};
  std::string line;
  std::string text;
  std::string recorded;
  int passages = 0, sources = 0, amounts = 0, exact = 0, wrong = 0, stray = 0,
      missed = 0;
  std::string differing;  // the passages the program reads otherwise
  while (std::getline(lines, line)) {
    if (line.starts_with("@ ")) ++sources;
    if (line.starts_with("= ")) recorded = line;
    if (line.starts_with("< ")) text = Unescaped(line.substr(2));
    if (!line.starts_with("> ")) continue;
    ++passages;
    const std::string expected = Unescaped(line.substr(2));
    const std::string converted = WithEquivalents(text, kItalian);
    // The text's own way of writing numbers, whatever the reader's.
    EXPECT_EQ(WithEquivalents(text, kEnglish), converted) << text;
    EXPECT_EQ(WithEquivalents(converted, kItalian), converted) << text;
    const auto wanted = Insertions(text, expected);
    const auto got = Insertions(text, converted);
    amounts += static_cast<int>(wanted.size());
    for (const auto& [at, insertion] : got) {
      const auto it = wanted.find(at);
      (it == wanted.end()        ? stray
       : it->second == insertion ? exact
                                 : wrong) += 1;
    }
    for (const auto& [at, insertion] : wanted) missed += !got.contains(at);
    if (converted != expected) differing += "\n  " + converted;
  }
  std::ostringstream figures;
  figures << "= passages " << passages << " sources " << sources << " amounts "
          << amounts << " exact " << exact << " wrong " << wrong << " stray "
          << stray << " missed " << missed;
  EXPECT_EQ(figures.str(), recorded) << "read otherwise:" << differing;
}

}  // namespace
}  // namespace eurolire

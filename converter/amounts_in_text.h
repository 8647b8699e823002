// Lire and euro amounts inside running text, and their equivalents written
// beside them, as editors of old documents write them by hand: "L.
// 1.000.000 (€ 516,46)". An amount is what a field reads (number_text.h),
// found where it carries a designation of either currency; everything else
// in the text is left byte for byte as it was.
#ifndef EUROLIRE_CONVERTER_AMOUNTS_IN_TEXT_H_
#define EUROLIRE_CONVERTER_AMOUNTS_IN_TEXT_H_

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "converter/conversion.h"
#include "converter/number_text.h"

namespace eurolire {

struct AmountInText {
  std::size_t begin = 0;  // the amount's bytes, designation included
  std::size_t end = 0;
  Field currency = Field::Euro;
  double value = 0;  // infinite when beyond the largest double
  // Just past the equivalent in parentheses that already follows it ("L.
  // 1.000.000 (€ 516,46)"), or `end` when none does.
  std::size_t annotated_end = 0;
};

// Every amount in `text` that carries a designation of either currency, left
// to right, read by the fields' grammar under `locale`'s separators, with
// these differences for running text: a designation is a whole word ("Legge
// 12", "L'anno 2000" and "Lotto 5" hold none); after a number "L" and "L."
// are litres, not lire ("12 L di acqua"); a decimal separator with no digit
// after it ends the number ("lire 850.000, la"). A number with no
// designation is no amount ("art. 3", "nel 1997"), and an amount inside the
// parentheses that follow another, in the other currency, is that one's
// equivalent, not an amount of its own. Linear in the text's length; any
// bytes (invalid UTF-8, NUL); never throws but for memory.
std::vector<AmountInText> FindAmounts(std::string_view text,
                                      const NumberConventions& locale);

// What to insert after `amount` so that it has its equivalent: a blank and,
// in parentheses, the amount in the other currency with that currency's
// sign, "##,##0.00" in `locale`: " (€ 438,99)" after "lire 850.000", " (L.
// 24.203,38)" after "euro 12,50". Nothing when it has one already, or when
// its conversion goes beyond the largest double.
std::optional<std::string> EquivalentOf(const AmountInText& amount,
                                        const NumberConventions& locale);

// Where an equivalent stands in the text that `WithEquivalents` returns:
// what the page marks.
struct InsertedSpan {
  std::size_t begin = 0;
  std::size_t end = 0;
};

// `text` with every amount's equivalent inserted after it, and, when
// `inserted` is given, where each insertion stands in the result, in order.
// The one place the equivalents are put into a text: the command line
// writes the result, the page marks the spans. Converting the result again
// changes nothing.
std::string WithEquivalents(std::string_view text,
                            const NumberConventions& locale,
                            std::vector<InsertedSpan>* inserted = nullptr);

// `WithEquivalents` over a text that arrives in pieces, with memory bounded
// whatever the text's length: each piece is converted up to its last line
// break (an amount never spans lines), and a line longer than
// `kLongestLine` is converted in parts, cut after a character that no
// amount holds (";", a quote, a control character) or, where there is
// none, after the last blank.
class TextConverter {
 public:
  static constexpr std::size_t kLongestLine = 1 << 20;

  // `write` receives the converted text in order, in pieces.
  TextConverter(NumberConventions locale,
                std::function<void(std::string_view)> write);

  void Take(std::string_view piece);
  // Converts what is left: the text's last line.
  void Finish();

 private:
  void Convert(std::size_t size);

  NumberConventions locale_;
  std::function<void(std::string_view)> write_;
  std::string pending_;
};

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_AMOUNTS_IN_TEXT_H_

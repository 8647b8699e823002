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
#include "converter/decimal_amount.h"
#include "converter/number_text.h"

namespace eurolire {

struct AmountInText {
  std::size_t begin = 0;  // the amount's bytes, designation included
  std::size_t end = 0;
  Field currency = Field::Euro;
  DecimalAmount amount;  // exact, as the text writes it
  // Just past the equivalent that already follows it, or `end` when none
  // does: in parentheses or brackets ("L. 1.000.000 (€ 516,46)", "(pari ad
  // Euro 516,46)", "[€ 516,46]"), after "=", "pari a", "ossia" and the like
  // on the line or the next, beside it in a table ("2.000 lire 1,03 euro"),
  // or a rate's unit ("1.936,27 lire per 1 euro").
  std::size_t annotated_end = 0;
  // Where its equivalent goes: past a typewriter's ending or a unit that
  // stays with the amount ("euro 1.000,-", "10 euro/mese").
  std::size_t insert_at = 0;
  // Written as English texts write numbers ("12.50"), and so its
  // equivalent; else as Italian texts do.
  bool english = false;
  // The first end of a range ("700" of "700-800 euro"): the next amount is
  // the other end, and its equivalent holds both, joined by this.
  char range_joiner = 0;
};

// What a text has shown so far of how it writes amounts, which decides how
// the amounts after it are read.
struct TextSigns {
  // Its last euro or lire amount that only one way of writing numbers
  // reads: "1.250,00" or "12,50" the Italian way, "12.50" the English.
  enum class Way { kUnknown, kItalian, kEnglish } way = Way::kUnknown;
  bool foreign_lira = false;  // it names the lira of another state
  bool italian_lira = false;  // an amount is marked as Italian lire
};

// Every amount in `text` that carries a designation of either currency,
// left to right, read by the fields' grammar as documents write numbers,
// not as the user's locale does: lire the Italian way; euros the way of the
// text's last amount that only one way reads ("1.250,00", "12.50", any
// lire amount being Italian), or else of its next, and `locale`'s way only
// where the text shows none. Running text differs
// from a field: a designation is a whole word ("Legge 12", "Lotto 5"); a
// line break may stand where a blank may; after a number "L" and "lit."
// are litres; a decimal separator with no digit after it ends the number
// ("lire 850.000, la"). None of these is an amount: a number with no
// designation ("art. 3"), a designation between two numbers but for the
// second ("Fiat 1100 lire 21.740"), a lone article ("una lira", "un euro"),
// the lira of another state ("72 lire turche"; and a bare "42 lire" in a
// text that names one and has marked no amount as Italian), a law's number
// or a date ("L. 241/1990", "L. 241 del 1990", "D.L. 18", "L. 5 dic.
// 2000"), a size ("L 120 x P 60", "Taglia L 42"), an emission class or a
// championship ("Euro 4", "Euro 2016"), a ratio's unit ("dollaro/euro
// 1,0578"), a table's heads ("EUR ITL"), a figure restating one of another
// unit before it or a rate's unit ("1 TL, ovvero circa 35 centesimi di
// euro", "0,585 sterline per 1 euro"), and an amount of the other currency
// that follows another as its equivalent (`AmountInText::annotated_end`).
// Two numbers joined by a dash or a
// slash, or by "da ... a", with one designation are a range: two amounts,
// the first marked. Linear in the text's length; any bytes (invalid UTF-8,
// NUL); never throws but for memory.
std::vector<AmountInText> FindAmounts(std::string_view text,
                                      const NumberConventions& locale);

// What to insert after `amount` so that it has its equivalent: a blank and,
// in parentheses, the amount in the other currency with that currency's
// sign, "##,##0.00" written as the amount is: " (€ 438,99)" after "lire
// 850.000", " (L. 24.203,38)" after "euro 12,50". Nothing when it has one
// already, or when its conversion goes beyond the largest double.
std::optional<std::string> EquivalentOf(const AmountInText& amount);

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
// whatever the text's length: what is taken is converted up to the start of
// its last two whole lines, which an amount begun before may run into (it
// spans two lines at most) and its equivalent stand on; of a line
// longer than `kLongestLine`, all but its last `kLongestLine / 16` bytes
// are converted, so an amount shorter than that is never cut, nor parted
// from its equivalent.
class TextConverter {
 public:
  static constexpr std::size_t kLongestLine = 1 << 20;

  // `write` receives the converted text in order, in pieces.
  TextConverter(NumberConventions locale,
                std::function<void(std::string_view)> write);

  void Take(std::string_view piece);
  // Converts what is left, the text's end: a text taken after begins anew.
  void Finish();
  // False once an amount found could not be converted: beyond the largest
  // double.
  bool all_converted() const { return all_converted_; }

 private:
  void Convert(std::size_t stop);

  NumberConventions locale_;
  std::function<void(std::string_view)> write_;
  std::string pending_;
  // The bytes at the start of `pending_` already written, kept for what
  // the scan reads before an amount ("art. 3, L. 196").
  std::size_t context_ = 0;
  TextSigns signs_;
  bool all_converted_ = true;
};

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_AMOUNTS_IN_TEXT_H_

#include "converter/amounts_in_text.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "converter/text_scan.h"

namespace eurolire {
namespace {

// The sign an equivalent is written with.
std::string_view SignOf(Field currency) {
  return currency == Field::Euro ? "\u20AC" : "L.";
}

// `amount` converted and written as it is written, without a sign: the one
// place a text's amount meets the arithmetic, exact to the cent. Nothing
// beyond the range of a double.
std::optional<std::string> ConvertedFigure(const AmountInText& amount) {
  const std::optional<DecimalAmount> converted = ConvertAmount(
      amount.amount, amount.currency, CurrencyFromDouble(kLirePerEuro));
  if (!converted) return std::nullopt;  // beyond the range of a double
  return FormatAmount(*converted, AmountFormat, WrittenWay(amount.english));
}

std::string Parenthesized(Field currency, std::string_view figures) {
  const Field other = currency == Field::Euro ? Field::Lire : Field::Euro;
  return " (" + std::string(SignOf(other)) + " " + std::string(figures) + ")";
}

// Appends `text` from `copied` with the equivalents of `found` inserted,
// up to `upto`; where each insertion stands in `converted` into `inserted`.
// False when an amount's conversion went beyond the largest double.
bool Splice(std::string_view text, const std::vector<AmountInText>& found,
            std::size_t copied, std::size_t upto, std::string& converted,
            std::vector<InsertedSpan>* inserted) {
  bool all_converted = true;
  for (std::size_t i = 0; i < found.size(); ++i) {
    const AmountInText& amount = found[i];
    std::optional<std::string> equivalent;
    if (amount.range_joiner != 0 && i + 1 < found.size()) {
      const AmountInText& high = found[++i];
      const std::optional<std::string> low_figure = ConvertedFigure(amount);
      const std::optional<std::string> high_figure = ConvertedFigure(high);
      if (high.annotated_end != high.end) continue;
      if (!low_figure || !high_figure) {
        all_converted = false;
        continue;
      }
      equivalent = Parenthesized(
          high.currency, *low_figure + amount.range_joiner + *high_figure);
      converted.append(text, copied, high.insert_at - copied);
      copied = high.insert_at;
    } else {
      if (amount.annotated_end != amount.end) continue;
      equivalent = EquivalentOf(amount);
      if (!equivalent) {
        all_converted = false;
        continue;
      }
      converted.append(text, copied, amount.insert_at - copied);
      copied = amount.insert_at;
    }
    if (inserted) {
      inserted->push_back(
          {converted.size(), converted.size() + equivalent->size()});
    }
    converted += *equivalent;
  }
  converted.append(text, copied, std::max(upto, copied) - copied);
  return all_converted;
}

}  // namespace

std::vector<AmountInText> FindAmounts(std::string_view text,
                                      const NumberConventions& locale) {
  std::vector<AmountInText> found;
  TextSigns signs;
  ScanAmounts(text, locale, signs, 0, text.size(), found);
  return found;
}

std::optional<std::string> EquivalentOf(const AmountInText& amount) {
  if (amount.annotated_end != amount.end) return std::nullopt;
  const std::optional<std::string> figure = ConvertedFigure(amount);
  if (!figure) return std::nullopt;
  return Parenthesized(amount.currency, *figure);
}

std::string WithEquivalents(std::string_view text,
                            const NumberConventions& locale,
                            std::vector<InsertedSpan>* inserted) {
  std::string converted;
  converted.reserve(text.size());
  Splice(text, FindAmounts(text, locale), 0, text.size(), converted, inserted);
  return converted;
}

TextConverter::TextConverter(NumberConventions locale,
                             std::function<void(std::string_view)> write)
    : locale_(std::move(locale)), write_(std::move(write)) {}

void TextConverter::Take(std::string_view piece) {
  const std::size_t before = pending_.size();
  pending_ += piece;
  // Only the new piece is searched: a long line is not searched again and
  // again.
  const std::size_t line_end = piece.rfind('\n');
  if (line_end != std::string_view::npos) {
    // Up to the start of the last two whole lines: an amount begun before
    // may go on into the next ("di lire\n1.500 milioni"), and its
    // equivalent stand on the one after.
    std::size_t stop = before + line_end;
    for (int line = 0; line < 2 && stop != std::string::npos; ++line) {
      stop = stop == 0 ? std::string::npos : pending_.rfind('\n', stop - 1);
    }
    if (stop != std::string::npos && stop + 1 > context_) Convert(stop + 1);
  }
  if (pending_.size() > kLongestLine + context_) {
    Convert(pending_.size() - kLongestLine / 16);
  }
}

void TextConverter::Finish() {
  Convert(pending_.size());
  pending_.clear();
  context_ = 0;
  signs_ = {};
}

void TextConverter::Convert(std::size_t stop) {
  std::vector<AmountInText> found;
  const std::size_t scanned =
      ScanAmounts(pending_, locale_, signs_, context_, stop, found);
  std::string converted;
  if (!Splice(pending_, found, context_, scanned, converted, nullptr)) {
    all_converted_ = false;
  }
  if (!converted.empty()) write_(converted);
  // A few bytes before what is left, for what the scan reads behind it.
  constexpr std::size_t kContext = 64;
  const std::size_t keep = std::min(scanned, kContext);
  pending_.erase(0, scanned - keep);
  context_ = keep;
}

}  // namespace eurolire

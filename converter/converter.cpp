#include "converter/converter.h"

#include <optional>
#include <string>
#include <utility>

#include "converter/run_time_error.h"

namespace eurolire {
namespace {

// Sets a flag for the lifetime of a scope, and clears it on every way out,
// exceptions included.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

Field Other(Field field) {
  return field == Field::Euro ? Field::Lire : Field::Euro;
}

}  // namespace

Converter::Converter(ConverterView& view, NumberConventions conventions)
    : view_(view),
      euro_conventions_(FieldConventions(Field::Euro, conventions)),
      lire_conventions_(FieldConventions(Field::Lire, std::move(conventions))) {
}

void Converter::Form_Load() { rate_ = CurrencyFromDouble(kLirePerEuro); }

void Converter::Euro_GotFocus() { active_field_ = Field::Euro; }

void Converter::Lire_GotFocus() { active_field_ = Field::Lire; }

void Converter::Euro_Change() { Change(Field::Euro); }

void Converter::Lire_Change() { Change(Field::Lire); }

void Converter::Change(Field source) {
  // The change is the echo of our own write into this field: a number we
  // wrote is not converted back, and an emptied field must not empty the
  // one the user is typing into.
  if (writing_) return;
  const Field target = Other(source);
  const std::string text = view_.Text(source);
  const NumberConventions& conventions =
      source == Field::Euro ? euro_conventions_ : lire_conventions_;
  const std::optional<DecimalAmount> amount =
      ReadFieldAmount(text, conventions);
  if (!amount) {
    Write(target, "");
    return;
  }
  if (active_field_ != source || !IsAboveZero(*amount)) return;
  const std::optional<DecimalAmount> converted =
      ConvertAmount(*amount, source, rate_);
  if (!converted) {
    if (source == Field::Lire && rate_ == CurrencyValue{}) {
      throw DivisionByZeroError("lire divided by a zero rate");
    }
    throw OverflowError("the converted amount is beyond the largest number");
  }
  Write(target, FormatAmount(*converted, AmountFormat, conventions));
}

void Converter::Write(Field field, const std::string& text) {
  FlagScope writing(writing_);
  view_.SetText(field, text);
}

}  // namespace eurolire

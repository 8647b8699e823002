// The euro-lire converter: the state behind the converter window and the
// handlers its events call. It reads and writes the two amount fields only
// through `ConverterView`, so it runs the same with a real window or none.
#ifndef EUROLIRE_CONVERTER_CONVERTER_H_
#define EUROLIRE_CONVERTER_CONVERTER_H_

#include <optional>
#include <string>

#include "converter/conversion.h"
#include "converter/number_text.h"

namespace eurolire {

// The converter's view of the window's two amount fields.
class ConverterView {
 public:
  virtual ~ConverterView() = default;
  // The field's current text, UTF-8.
  virtual std::string Text(Field field) const = 0;
  // Replaces the field's text. When the new text differs from the current
  // one, the field's change handler runs to its end before this returns;
  // the same text again is no change and runs nothing, whatever the
  // platform's control would do with it (some raise a change regardless).
  // The converter acts on no change raised by its own write, so a view may
  // leave that one out.
  void SetText(Field field, const std::string& text) {
    if (Text(field) != text) ReplaceText(field, text);
  }

 private:
  // Puts `text`, which differs from the field's text, in the field; the
  // field's change handler runs to its end before this returns.
  virtual void ReplaceText(Field field, const std::string& text) = 0;
};

// Converts whatever is typed into one field into the other, while it is
// typed, at 1936.27 lire to the euro. The field that last received the focus
// sets the direction, so a written result is never converted back. A text
// that is not a number empties the other field; zero and negative amounts
// leave it as it was. The handler that runs because of the converter's own
// write is that write's echo and changes nothing, so what the user typed is
// never emptied by the converter (typing "12a" keeps "12a").
// Handlers run on one thread; a change handler may run inside another
// through `ConverterView::SetText`.
class Converter {
 public:
  // `view` must outlive the converter; `conventions` are the locale's, and
  // each field reads its own currency's signs too ("€ 12", "L. 1.000").
  // `Rate()` is zero and `ActiveField()` empty until `Form_Load` and the
  // first focus.
  Converter(ConverterView& view, NumberConventions conventions);

  void Form_Load();  // sets the rate
  void Euro_GotFocus();
  void Lire_GotFocus();
  // Each reads the field's text once and converts it exactly, rounded to
  // the cent. Throw a RunTimeError on an arithmetic fault (a result beyond
  // the range of a double; a zero rate), leaving the fields as they were; a
  // RunTimeError that the view throws passes through.
  void Euro_Change();
  void Lire_Change();

  CurrencyValue Rate() const { return rate_; }
  std::optional<Field> ActiveField() const { return active_field_; }

 private:
  void Change(Field source);
  void Write(Field field, const std::string& text);

  ConverterView& view_;
  // The locale's conventions with each field's currency signs.
  NumberConventions euro_conventions_;
  NumberConventions lire_conventions_;
  CurrencyValue rate_;
  std::optional<Field> active_field_;
  // True while `Write` is inside `ConverterView::SetText`.
  bool writing_ = false;
};

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_CONVERTER_H_

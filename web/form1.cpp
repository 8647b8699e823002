#include "web/form1.h"

#include <optional>
#include <string>
#include <utility>

#include "form/error_text.h"

namespace eurolire {

Form1::Form1(emscripten::val report_error, NumberConventions conventions)
    : report_error_(std::move(report_error)),
      wiring_(*this, std::move(conventions), {}) {
  wiring_.Load();
}

emscripten::val Form1::Show(std::string euro, std::string lire,
                            bool lire_has_focus) {
  euro_ = std::move(euro);
  lire_ = std::move(lire);
  // The page's autofocus gives Euro the focus as the page is first drawn,
  // which may come before or after this; the converter is told here either
  // way, as on the desktop.
  const Field active = lire_has_focus ? Field::Lire : Field::Euro;
  wiring_.GotFocus(active);
  // The script listens only once the converter is ready: what was typed
  // before then had no change event.
  if (TextOf(active).empty()) return emscripten::val::null();
  return Changed(active, TextOf(active));
}

void Form1::Euro_GotFocus() { wiring_.GotFocus(Field::Euro); }
void Form1::Lire_GotFocus() { wiring_.GotFocus(Field::Lire); }

emscripten::val Form1::Euro_Change(std::string text) {
  return Changed(Field::Euro, std::move(text));
}

emscripten::val Form1::Lire_Change(std::string text) {
  return Changed(Field::Lire, std::move(text));
}

emscripten::val Form1::Changed(Field field, std::string text) {
  TextOf(field) = std::move(text);
  written_.reset();
  wiring_.Change(field);
  // A change converts into the other field, never into its own.
  return written_ ? emscripten::val(*std::exchange(written_, std::nullopt))
                  : emscripten::val::null();
}

std::string Form1::Text(Field field) const {
  return field == Field::Euro ? euro_ : lire_;
}

void Form1::ReplaceText(Field field, const std::string& text) {
  TextOf(field) = text;
  written_ = text;
}

void Form1::ScheduleReport() { wiring_.ReportPending(); }

void Form1::ShowReport(const RunTimeError& error) {
  report_error_(std::string(kErrorReportTitle), ErrorReportText(error));
}

std::string& Form1::TextOf(Field field) {
  return field == Field::Euro ? euro_ : lire_;
}

}  // namespace eurolire

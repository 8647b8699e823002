#include "web/form1.h"

#include <optional>
#include <string>
#include <utility>

#include "form/error_text.h"

namespace eurolire {

Form1::Form1(emscripten::val euro, emscripten::val lire,
             emscripten::val report_error, NumberConventions conventions)
    : euro_(std::move(euro)),
      lire_(std::move(lire)),
      report_error_(std::move(report_error)),
      handlers_(*this),
      converter_(*this, std::move(conventions)) {
  Handle(&Converter::Form_Load);
}

void Form1::Show() {
  // The page's autofocus gives Euro the focus as the page is first drawn,
  // which may come before or after this; the converter is told here either
  // way, as on the desktop.
  if (emscripten::val::global("document")["activeElement"].strictlyEquals(
          lire_)) {
    Lire_GotFocus();
  } else {
    Euro_GotFocus();
  }
  // The script listens only once the converter is ready: what was typed
  // before then had no change event.
  const std::optional<Field> active = converter_.ActiveField();
  if (active && !Text(*active).empty()) {
    Handle(*active == Field::Euro ? &Converter::Euro_Change
                                  : &Converter::Lire_Change);
  }
}

void Form1::Euro_GotFocus() { Handle(&Converter::Euro_GotFocus); }
void Form1::Lire_GotFocus() { Handle(&Converter::Lire_GotFocus); }
void Form1::Euro_Change() { Handle(&Converter::Euro_Change); }
void Form1::Lire_Change() { Handle(&Converter::Lire_Change); }

std::string Form1::Text(Field field) const {
  return FieldOf(field)["value"].as<std::string>();
}

void Form1::ReplaceText(Field field, const std::string& text) {
  FieldOf(field).set("value", text);
  // Setting `value` raises no `input` event: the change is raised here.
  if (field == Field::Euro) {
    Euro_Change();
  } else {
    Lire_Change();
  }
}

void Form1::ScheduleReport() { handlers_.ReportPending(); }

void Form1::ShowReport(const RunTimeError& error) {
  report_error_(std::string(kErrorReportTitle), ErrorReportText(error));
}

emscripten::val Form1::FieldOf(Field field) const {
  return field == Field::Euro ? euro_ : lire_;
}

void Form1::Handle(void (Converter::*handler)()) {
  handlers_.Run([this, handler] { (converter_.*handler)(); });
}

}  // namespace eurolire

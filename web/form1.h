// Form1 in the web page: the converter behind the page's two amount fields,
// <input> elements that the page's script hands over. It is the converter's
// `ConverterView` and keeps the desktop window's notification rule where the
// browser does not: a text the program sets raises no `input` event, so
// `SetText` runs the field's change handler itself. No run-time error of a
// handler escapes into the script.
#ifndef EUROLIRE_WEB_FORM1_H_
#define EUROLIRE_WEB_FORM1_H_

#include <emscripten/val.h>

#include <string>

#include "converter/converter.h"
#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "form/handler_runner.h"

namespace eurolire {

class Form1 : public ConverterView, private HandlerRunner::FrontEnd {
 public:
  // `euro` and `lire` are the fields' <input> elements. `report_error` is a
  // script function (title, text) that shows a run-time error's report; it
  // is called once the handler chain that raised the error has unwound,
  // with the first error of that chain only. Raises the load event, so the
  // converter is ready before the fields first take the focus.
  Form1(emscripten::val euro, emscripten::val lire,
        emscripten::val report_error, NumberConventions conventions);

  // Tells the converter that Euro has the focus, which the page gives it
  // at start, unless the user has already put it in Lire. A text typed
  // before the converter was ready is converted now.
  void Show();

  // The fields' events, one each: the page's script calls them from its
  // `focus` and `input` listeners.
  void Euro_GotFocus();
  void Lire_GotFocus();
  void Euro_Change();
  void Lire_Change();

  // ConverterView: `Text` is the field's current text, as UTF-8; `SetText`
  // is the view's.
  std::string Text(Field field) const override;

 private:
  void ReplaceText(Field field, const std::string& text) override;
  // Later is the end of the outermost handler: the report's dialog runs no
  // loop of its own, and by then the fields are as the handlers left them.
  void ScheduleReport() override;
  void ShowReport(const RunTimeError& error) override;
  emscripten::val FieldOf(Field field) const;
  // Runs one handler; a run-time error abandons it and is reported once
  // the outermost handler has returned.
  void Handle(void (Converter::*handler)());

  emscripten::val euro_;
  emscripten::val lire_;
  emscripten::val report_error_;
  HandlerRunner handlers_;
  Converter converter_;
};

}  // namespace eurolire

#endif  // EUROLIRE_WEB_FORM1_H_

// Form1 in the web page: the window's wiring (form/form1_wiring.h) behind the
// page's two amount fields, which stay the script's. Each event of a field
// is one call: an input passes the field's new text in and gets back what
// the other field must show, so a keystroke crosses into WebAssembly once
// and writes the page at most once. The view's texts are kept here, as the
// page last told them or as the handlers wrote them. A write of the
// handlers raises no change: its change would be the converter's own echo,
// which changes nothing.
#ifndef EUROLIRE_WEB_FORM1_H_
#define EUROLIRE_WEB_FORM1_H_

#include <emscripten/val.h>

#include <optional>
#include <string>

#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "form/form1_wiring.h"

namespace eurolire {

class Form1 : public Form1Wiring::Window {
 public:
  // `report_error` is a script function (title, text) that opens the error
  // report; the script calls `ReportClosed` once the user has closed it.
  // Raises the load event, so the converter is ready before the fields
  // first take the focus.
  Form1(emscripten::val report_error, NumberConventions conventions);

  // Starts with the texts the fields hold: the converter is told which
  // field has the focus (Euro, which the page gives it at start, unless the
  // user has already put it in Lire), and the text typed into it before the
  // converter was ready is converted. Returns what the other field must
  // show, or null when it stays as it is.
  emscripten::val Show(std::string euro, std::string lire, bool lire_has_focus);

  // The fields' events, which the page's script calls from its `focus` and
  // `input` listeners: a change takes the field's new text and returns what
  // the other field must show, or null when it stays as it is.
  void Euro_GotFocus();
  void Lire_GotFocus();
  emscripten::val Euro_Change(std::string text);
  emscripten::val Lire_Change(std::string text);

  void ReportClosed() { wiring_.ReportClosed(); }

  // The view: `Text` is the field's text, as UTF-8.
  std::string Text(Field field) const override;

 private:
  void ReplaceText(Field field, const std::string& text) override;
  // Later is the end of the outermost handler: the report's dialog runs no
  // loop of its own, and by then the texts are as the handlers left them.
  void ScheduleReport() override;
  void ShowReport(const RunTimeError& error) override;
  // Takes `field`'s new text, runs its change, and returns what the other
  // field must show.
  emscripten::val Changed(Field field, std::string text);
  std::string& TextOf(Field field);

  emscripten::val report_error_;
  std::string euro_;
  std::string lire_;
  // What the handlers of the call being answered wrote into the field the
  // page did not change.
  std::optional<std::string> written_;
  Form1Wiring wiring_;
};

}  // namespace eurolire

#endif  // EUROLIRE_WEB_FORM1_H_

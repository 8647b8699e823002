// Form1's wiring, the same under every toolkit: the converter behind the
// window, and its events each running its one handler (Form_Load,
// Euro_GotFocus, Lire_GotFocus, Euro_Change, Lire_Change, Label3_Click).
// No error of a handler escapes into the toolkit; the first one of a chain
// of handlers is reported once the chain has returned, one report at a time.
// A front end keeps what its toolkit makes different, behind `Window`:
// reading and replacing a field's text, deferring a call, showing a report.
#ifndef EUROLIRE_FORM_FORM1_WIRING_H_
#define EUROLIRE_FORM_FORM1_WIRING_H_

#include <functional>

#include "converter/converter.h"
#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "form/handler_runner.h"

namespace eurolire {

// What the window asks of the program around it.
struct Form1Hooks {
  // Runs on a click on Label3: opens the site. May throw a RunTimeError,
  // which is reported as any handler's.
  std::function<void()> label3_click;
  // Optional: shows a report in place of the window's own; it counts as open
  // until `Form1Wiring::ReportClosed`.
  std::function<void(const RunTimeError& error)> report_error;
};

class Form1Wiring : private HandlerRunner::FrontEnd {
 public:
  // The window in its toolkit's terms. As the converter's view it keeps the
  // notification rules: a changed text raises the field's change before
  // `SetText` returns, the same text raises nothing.
  class Window : public ConverterView {
   public:
    // Arranges for `Form1Wiring::ReportPending` to be called once the
    // handlers running have returned (a queued call, a posted message), or
    // calls it at once where the end of the outermost handler is late
    // enough.
    virtual void ScheduleReport() = 0;
    // Shows `error` in the toolkit's box, and calls
    // `Form1Wiring::ReportClosed` once the user has closed it (before
    // returning, for a box that blocks).
    virtual void ShowReport(const RunTimeError& error) = 0;
  };

  // `window` must outlive the wiring; the fields read and write amounts by
  // `conventions`.
  Form1Wiring(Window& window, NumberConventions conventions, Form1Hooks hooks);

  // The window's events. Load comes once, before the window is first shown.
  void Load();
  void GotFocus(Field field);
  void Change(Field field);
  void Label3_Click();

  // Shows the error kept from the last chain of handlers, if no report is
  // open; see `Window::ScheduleReport`.
  void ReportPending() { runner_.ReportPending(); }
  // The report shown is closed: the next error will be reported.
  void ReportClosed() { runner_.ReportClosed(); }

  const Converter& converter() const { return converter_; }

 private:
  void ScheduleReport() override { window_.ScheduleReport(); }
  void ShowReport(const RunTimeError& error) override;

  Window& window_;
  Form1Hooks hooks_;
  HandlerRunner runner_;
  Converter converter_;
};

}  // namespace eurolire

#endif  // EUROLIRE_FORM_FORM1_WIRING_H_

// Form1, the converter window, in Win32: the two amount fields with their
// captions at their stored geometry, fonts and colours, scaled to the
// monitor's density, and the wiring of their notifications to the converter.
// It is the converter's `ConverterView` and guarantees that every change of a
// field's text and every focus-in reaches the converter, and that no
// exception of a handler crosses the window procedure.
#ifndef EUROLIRE_WIN32_FORM1_H_
#define EUROLIRE_WIN32_FORM1_H_

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "converter/converter.h"
#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "form/handler_runner.h"

namespace eurolire {

class AmountField;

class Form1 : public ConverterView, private HandlerRunner::FrontEnd {
 public:
  // What the window asks of its program.
  struct Hooks {
    // Runs on a click on `Label3`.
    std::function<void()> label3_click;
    // Reports a run-time error that abandoned a handler, modal to `window`.
    // Called from the message loop once the handler chain that raised it has
    // unwound, and never while an earlier report is still open.
    std::function<void(HWND window, const RunTimeError& error)> report_error;
    // Optional: called with a handler's name just before the handler runs.
    std::function<void(std::string_view handler)> before_handler;
  };

  // Builds the window, hidden, centred on the work area of its monitor at
  // that monitor's density, and raises the load event, so the converter is
  // ready before the window is first shown.
  Form1(HINSTANCE instance, NumberConventions conventions, Hooks hooks);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  HWND hwnd() const { return hwnd_; }

  // Shows the window; once it is active the focus is in `Euro`. The fields'
  // accessible descriptions follow once it has been painted.
  void Show(int show_command);

  // Gives the window the messages it handles before they are translated and
  // dispatched: Tab and Shift+Tab between the fields, the keypad's decimal
  // key. True when `message` was handled.
  bool PreTranslateMessage(MSG& message);

  // ConverterView: `Text` is the field's current text as UTF-8; `SetText`
  // is the view's.
  std::string Text(Field field) const override;

  const Converter& converter() const { return converter_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                     LPARAM lparam);
  void ReplaceText(Field field, const std::string& text) override;
  // Later is a posted message, which the message loop takes once
  // everything has unwound.
  void ScheduleReport() override;
  void ShowReport(const RunTimeError& error) override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnCommand(int id, int code);
  // Places every control and sizes the client area for `dpi`.
  void Layout(UINT dpi);
  AmountField& FieldOf(Field field) const;
  // Runs one handler; an exception abandons it and is reported once the
  // message loop has the control back.
  void Handle(std::string_view name, const std::function<void()>& handler);

  Hooks hooks_;
  HandlerRunner handlers_;
  Converter converter_;
  HWND hwnd_ = nullptr;
  HBRUSH background_ = nullptr;
  HFONT field_font_ = nullptr;
  HFONT caption_font_ = nullptr;
  HFONT label3_font_ = nullptr;
  HWND label1_ = nullptr;
  HWND label2_ = nullptr;
  HWND label3_ = nullptr;
  std::unique_ptr<AmountField> euro_;
  std::unique_ptr<AmountField> lire_;
  // The field that had the focus when the window was last deactivated.
  HWND focus_ = nullptr;
};

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_FORM1_H_

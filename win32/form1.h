// Form1, the converter window, in Win32: the two amount fields with their
// captions at their stored geometry, fonts and colours, scaled to the
// monitor's density, their notifications handed to the window's wiring
// (form/form1_wiring.h). It guarantees that every change of a field's text
// and every focus-in reaches the wiring.
#ifndef EUROLIRE_WIN32_FORM1_H_
#define EUROLIRE_WIN32_FORM1_H_

#include <windows.h>

#include <memory>
#include <string>

#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "form/form1_wiring.h"

namespace eurolire {

class AmountField;

class Form1 : public Form1Wiring::Window {
 public:
  // Builds the window, hidden, centred on the work area of its monitor at
  // that monitor's density, and raises the load event, so the converter is
  // ready before the window is first shown.
  Form1(HINSTANCE instance, NumberConventions conventions, Form1Hooks hooks);
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

  // The view: `Text` is the field's current text as UTF-8; `SetText` is
  // the view's.
  std::string Text(Field field) const override;

  Form1Wiring& wiring() { return wiring_; }
  const Form1Wiring& wiring() const { return wiring_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                     LPARAM lparam);
  void ReplaceText(Field field, const std::string& text) override;
  // Later is a posted message, which the message loop takes once
  // everything has unwound.
  void ScheduleReport() override;
  // A message box, which returns once the user has closed it.
  void ShowReport(const RunTimeError& error) override;
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  void OnCommand(int id, int code);
  // Places every control and sizes the client area for `dpi`.
  void Layout(UINT dpi);
  AmountField& FieldOf(Field field) const;

  Form1Wiring wiring_;
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

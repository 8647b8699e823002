// An amount field of the converter window: a one-line Win32 edit control that
// takes text of any length and types the locale's decimal separator from the
// numeric keypad's decimal key. Its parent hears every change of its text
// (EN_CHANGE, synchronously, also for text set by the program) and every
// focus-in (EN_SETFOCUS).
#ifndef EUROLIRE_WIN32_AMOUNT_FIELD_H_
#define EUROLIRE_WIN32_AMOUNT_FIELD_H_

#include <windows.h>

#include <string>

#include "form/form1_design.h"

namespace eurolire {

class AmountField {
 public:
  // Creates the edit control as a child of `parent` with the control id
  // `id`, placed later by `Place`. `decimal_separator` is what the keypad's
  // decimal key types.
  AmountField(HWND parent, int id, std::wstring decimal_separator);
  AmountField(const AmountField&) = delete;
  AmountField& operator=(const AmountField&) = delete;

  HWND hwnd() const { return hwnd_; }

  // Moves the field to its stored geometry at `dpi`, in `font`.
  void Place(const design::Rect& geometry, UINT dpi, HFONT font);

  std::wstring Text() const;
  // Replaces the text, raising EN_CHANGE before it returns, even for the
  // text it already holds (a single-line edit does).
  void SetText(const std::wstring& text);

  // Takes the keypad's decimal key before it is translated into a character
  // by the keyboard layout (an Italian layout gives "."), and types the
  // locale's separator in its place. True when `message` was taken.
  bool TakeKeypadDecimal(const MSG& message);

 private:
  HWND hwnd_;
  std::wstring decimal_separator_;
};

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_AMOUNT_FIELD_H_

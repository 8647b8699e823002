#include "win32/amount_field.h"

#include <utility>

#include "converter/run_time_error.h"
#include "win32/design.h"

namespace eurolire {

AmountField::AmountField(HWND parent, int id, std::wstring decimal_separator)
    : hwnd_(CreateWindowExW(
          WS_EX_CLIENTEDGE, L"EDIT", L"",
          WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 0, 0,
          0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
          reinterpret_cast<HINSTANCE>(
              GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
          nullptr)),
      decimal_separator_(std::move(decimal_separator)) {
  // An edit control stops at 30,000 characters unless told otherwise; 0
  // lifts the limit to the largest there is.
  SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
}

void AmountField::Place(const design::Rect& geometry, UINT dpi, HFONT font) {
  PlaceControl(hwnd_, geometry, dpi, font);
}

std::wstring AmountField::Text() const {
  const int length = GetWindowTextLengthW(hwnd_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

void AmountField::SetText(const std::wstring& text) {
  if (!SetWindowTextW(hwnd_, text.c_str())) {
    throw RunTimeError(kOutOfMemoryNumber, "the field's text was not set");
  }
}

bool AmountField::TakeKeypadDecimal(const MSG& message) {
  if (message.hwnd != hwnd_ || message.message != WM_KEYDOWN ||
      message.wParam != VK_DECIMAL) {
    return false;
  }
  // Typed like any character: it replaces the selection, can be undone and
  // raises one EN_CHANGE.
  SendMessageW(hwnd_, EM_REPLACESEL, TRUE,
               reinterpret_cast<LPARAM>(decimal_separator_.c_str()));
  return true;
}

}  // namespace eurolire

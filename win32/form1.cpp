#include "win32/form1.h"

#include <stdexcept>
#include <tuple>
#include <utility>

#include "form/form1_design.h"
#include "win32/accessible_description.h"
#include "win32/amount_field.h"
#include "win32/design.h"
#include "win32/error_report.h"
#include "win32/resource_ids.h"
#include "win32/wide_text.h"

namespace eurolire {
namespace {

constexpr wchar_t kClassName[] = L"EuroLireForm1";
// Above the range that IsDialogMessage sends (DM_GETDEFID is WM_USER).
constexpr UINT kReportMessage = WM_APP + 1;
// Timers come after the first paint.
constexpr UINT_PTR kDescribeTimer = 1;

// Control ids, clear of IDOK and IDCANCEL, which IsDialogMessage sends for
// Enter and Escape.
enum ControlId : int {
  kEuroId = 101,
  kLireId,
  kLabel1Id,
  kLabel2Id,
  kLabel3Id,
};

// Which field each field control is.
struct FieldControl {
  int id;
  Field field;
};
constexpr FieldControl kFieldControls[] = {{kEuroId, Field::Euro},
                                           {kLireId, Field::Lire}};

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  // No class cursor: loaded here, the arrow would put about 5 ms under Wine
  // before the window shows; WM_SETCURSOR loads it when first needed.
  window_class.lpszClassName = kClassName;
  // Registered once per program; a second window reuses the class.
  RegisterClassExW(&window_class);
}

HWND CreateLabel(HWND parent, const design::Control& stored, int id,
                 DWORD style) {
  return CreateWindowExW(
      0, L"STATIC", Utf16(stored.text).c_str(),
      WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | style, 0, 0, 0, 0, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
      nullptr);
}

void ReplaceFont(HFONT& font, HFONT replacement) {
  if (font) DeleteObject(font);
  font = replacement;
}

void SetIcons(HWND window, UINT dpi) {
  const HINSTANCE instance =
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
  for (const auto& [which, width, height] :
       {std::tuple{ICON_BIG, SM_CXICON, SM_CYICON},
        std::tuple{ICON_SMALL, SM_CXSMICON, SM_CYSMICON}}) {
    // Shared icons are loaded once and never destroyed by hand.
    const auto icon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(EUROLIRE_ICON_ID), IMAGE_ICON,
                   GetSystemMetricsForDpi(width, dpi),
                   GetSystemMetricsForDpi(height, dpi), LR_SHARED));
    if (icon) {
      SendMessageW(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    }
  }
}

}  // namespace

Form1::Form1(HINSTANCE instance, NumberConventions conventions,
             Form1Hooks hooks)
    : wiring_(*this, conventions, std::move(hooks)),
      background_(CreateSolidBrush(ToColorRef(design::kBackground))) {
  RegisterFormClass(instance, &Form1::WindowProc);
  // Sized for the system's density, almost always the window's: no resize.
  const SIZE frame = FrameSize(GetDpiForSystem());
  CreateWindowExW(kFormExStyle, kClassName, Utf16(design::kTitle).c_str(),
                  kFormStyle, CW_USEDEFAULT, CW_USEDEFAULT, frame.cx, frame.cy,
                  nullptr, nullptr, instance, this);
  if (!hwnd_) throw std::runtime_error("the window could not be created");

  // Created in this z-order, which differs from the order the design stores
  // them in: the dialog manager tabs in z-order (Euro, then Lire), and
  // screen readers name a field after the label just before it.
  const std::wstring decimal = Utf16(conventions.decimal_separator);
  label1_ = CreateLabel(hwnd_, design::kLabel1, kLabel1Id, 0);
  euro_ = std::make_unique<AmountField>(hwnd_, kEuroId, decimal);
  label2_ = CreateLabel(hwnd_, design::kLabel2, kLabel2Id, 0);
  lire_ = std::make_unique<AmountField>(hwnd_, kLireId, decimal);
  // Below the client area: at the window's fixed size it is never seen.
  label3_ = CreateLabel(hwnd_, design::kLabel3, kLabel3Id, SS_NOTIFY);
  focus_ = euro_->hwnd();

  Layout(GetDpiForWindow(hwnd_));
  CentreOnWorkArea(hwnd_);

  wiring_.Load();
}

Form1::~Form1() {
  if (hwnd_) {
    // Destroyed by its owner, not closed by the user: no message reaches
    // this object any more and the program is not told to quit.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  for (HFONT font : {field_font_, caption_font_, label3_font_}) {
    if (font) DeleteObject(font);
  }
  DeleteObject(background_);
}

void Form1::Show(int show_command) {
  // Activation gives the focus to Euro (WM_ACTIVATE); a window shown without
  // being activated gets it here.
  ShowWindow(hwnd_, show_command);
  UpdateWindow(hwnd_);
  if (GetFocus() != euro_->hwnd() && GetFocus() != lire_->hwnd()) {
    SetFocus(euro_->hwnd());
  }
  // The accessibility service takes a while to load: not before the window
  // is on the screen.
  SetTimer(hwnd_, kDescribeTimer, USER_TIMER_MINIMUM, nullptr);
}

bool Form1::PreTranslateMessage(MSG& message) {
  return euro_->TakeKeypadDecimal(message) ||
         lire_->TakeKeypadDecimal(message) || IsDialogMessageW(hwnd_, &message);
}

std::string Form1::Text(Field field) const {
  return Utf8(FieldOf(field).Text());
}

void Form1::ReplaceText(Field field, const std::string& text) {
  FieldOf(field).SetText(Utf16(text));
}

void Form1::ScheduleReport() { PostMessageW(hwnd_, kReportMessage, 0, 0); }

void Form1::ShowReport(const RunTimeError& error) {
  ReportRunTimeError(hwnd_, error);
  wiring_.ReportClosed();
}

LRESULT CALLBACK Form1::WindowProc(HWND hwnd, UINT message, WPARAM wparam,
                                   LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Form1*>(
        reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    form->hwnd_ = nullptr;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return DefWindowProcW(hwnd, message, wparam, lparam);
  }
  return form->HandleMessage(message, wparam, lparam);
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLORSTATIC: {
      const auto control = reinterpret_cast<HWND>(lparam);
      if (control != label1_ && control != label2_) break;
      // The captions draw no background of their own: the window's grey.
      const auto dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, ToColorRef(design::kCaptionColour));
      SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(background_);
    }
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wparam) != hwnd_ ||
          LOWORD(lparam) != HTCLIENT) {
        break;
      }
      SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      return TRUE;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(hwnd_, &client);
      FillRect(reinterpret_cast<HDC>(wparam), &client, background_);
      return 1;
    }
    case WM_ACTIVATE:
      // The focus goes back to the field that had it, not to the window.
      if (!focus_) break;
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus == euro_->hwnd() || focus == lire_->hwnd()) focus_ = focus;
      } else if (!HIWORD(wparam)) {
        SetFocus(focus_);
      }
      return 0;
    case WM_SETFOCUS:
      if (!focus_) break;
      SetFocus(focus_);
      return 0;
    case WM_DPICHANGED: {
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      Layout(HIWORD(wparam));
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
      return 0;
    }
    case kReportMessage:
      wiring_.ReportPending();
      return 0;
    case WM_TIMER:
      if (wparam != kDescribeTimer) break;
      KillTimer(hwnd_, kDescribeTimer);
      SetAccessibleDescription(euro_->hwnd(), design::kEuroDescription);
      SetAccessibleDescription(lire_->hwnd(), design::kLireDescription);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

void Form1::OnCommand(int id, int code) {
  for (const FieldControl& control : kFieldControls) {
    if (control.id != id) continue;
    if (code == EN_SETFOCUS) {
      wiring_.GotFocus(control.field);
    } else if (code == EN_CHANGE) {
      wiring_.Change(control.field);
    }
    return;
  }
  // A double click is one click: it raises STN_DBLCLK, not a second
  // STN_CLICKED.
  if (id == kLabel3Id && code == STN_CLICKED) wiring_.Label3_Click();
}

void Form1::Layout(UINT dpi) {
  ReplaceFont(field_font_, CreateStoredFont(design::kFieldFont, dpi));
  ReplaceFont(caption_font_, CreateStoredFont(design::kCaptionFont, dpi));
  ReplaceFont(label3_font_, CreateDefaultGuiFont(dpi));
  PlaceControl(label1_, design::kLabel1.geometry, dpi, caption_font_);
  euro_->Place(design::kEuro.geometry, dpi, field_font_);
  PlaceControl(label2_, design::kLabel2.geometry, dpi, caption_font_);
  lire_->Place(design::kLire.geometry, dpi, field_font_);
  PlaceControl(label3_, design::kLabel3.geometry, dpi, label3_font_);
  SetIcons(hwnd_, dpi);
  SizeClientArea(hwnd_, dpi);
}

AmountField& Form1::FieldOf(Field field) const {
  return field == Field::Euro ? *euro_ : *lire_;
}

}  // namespace eurolire

// Drives the Win32 Form1 in this process: the cases every window passes
// (tests/form/window_cases.txt: a change raised synchronously by every edit
// and by SetText but not by the same text, the error report after the
// handlers, one at a time), load before show and one focus event, Tab and
// clicks, the Label3 click, the keypad decimal key, Unicode texts and the
// re-layout when the density changes; and the pure helpers beside it.
#include "win32/form1.h"

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h.
#include <oleacc.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/form/handler_log.h"
#include "tests/form/window_cases.h"
#include "win32/wide_text.h"

namespace eurolire {
namespace {

const NumberConventions kItalian{",", "."};

constexpr std::string_view kWindowCases =
#include "window_cases.inc"
    ;

// Runs the message loop until no message is left, as the program's loop
// does.
void Pump(Form1* form) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (form && form->PreTranslateMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// The window as the shared cases drive it: keys and edits sent to the
// control with the focus.
class Win32Window : public testing::WindowDriver {
 public:
  Win32Window() {
    Form1Hooks hooks;
    hooks.report_error = [this](const RunTimeError&) { ++reports_; };
    form_ = std::make_unique<Form1>(GetModuleHandleW(nullptr), kItalian,
                                    std::move(hooks));
    form_->Show(SW_SHOW);
    Pump();
  }

  void Type(const std::string& keys) override {
    for (wchar_t key : Utf16(keys)) SendMessageW(GetFocus(), WM_CHAR, key, 1);
  }
  void Backspace() override { SendMessageW(GetFocus(), WM_CHAR, VK_BACK, 1); }
  void SelectAll() override { SendMessageW(GetFocus(), EM_SETSEL, 0, -1); }
  void Cut() override { SendMessageW(GetFocus(), WM_CUT, 0, 0); }
  void Paste(const std::string& text) override {
    const std::wstring wide = Utf16(text);
    if (!OpenClipboard(form_->hwnd())) return;
    EmptyClipboard();
    HGLOBAL memory =
        GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), wide.c_str());
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(GetFocus(), WM_PASTE, 0, 0);
  }
  // The dialog manager moves the focus from the loop.
  void Tab() override {
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    Pump();
  }
  void Set(Field field, const std::string& text) override {
    form_->SetText(field, text);
  }
  void CloseReport() override { form_->wiring().ReportClosed(); }
  void Pump() override { eurolire::Pump(form_.get()); }
  std::string Text(Field field) override { return form_->Text(field); }
  std::vector<std::string> TakeLog() override {
    return std::exchange(log_, {});
  }
  int Reports() override { return reports_; }

 private:
  std::unique_ptr<Form1> form_;
  // The converter's handlers as they ran.
  std::vector<std::string>& log_ = testing::HandlerLog();
  int reports_ = 0;
};

class Form1Test : public ::testing::Test {
 protected:
  std::unique_ptr<Form1> MakeForm(NumberConventions conventions = kItalian) {
    log_.clear();
    Form1Hooks hooks;
    hooks.label3_click = [this] {
      ++clicks_;
      if (link_) link_();
    };
    hooks.report_error = [this](const RunTimeError& error) {
      reports_.push_back(error.Number());
    };
    auto form = std::make_unique<Form1>(GetModuleHandleW(nullptr),
                                        std::move(conventions), hooks);
    form_ = form.get();
    return form;
  }

  std::unique_ptr<Form1> ShowForm(NumberConventions conventions = kItalian) {
    auto form = MakeForm(std::move(conventions));
    form->Show(SW_SHOW);
    Pump();
    log_.clear();
    return form;
  }

  void Pump() { eurolire::Pump(form_); }

  // The child controls in z-order: EURO, Euro, LIRE, Lire, Label3.
  HWND Child(const Form1& form, int index) const {
    HWND child = GetWindow(form.hwnd(), GW_CHILD);
    for (int i = 0; i < index; ++i) child = GetWindow(child, GW_HWNDNEXT);
    return child;
  }
  HWND Euro(const Form1& form) const { return Child(form, 1); }
  HWND Lire(const Form1& form) const { return Child(form, 3); }
  HWND Label3(const Form1& form) const { return Child(form, 4); }

  Form1* form_ = nullptr;
  // The converter's handlers as they ran.
  std::vector<std::string>& log_ = testing::HandlerLog();
  std::vector<int> reports_;
  int clicks_ = 0;
  std::function<void()> link_;
};

TEST_F(Form1Test, LoadsBeforeItIsShownThenFocusesEuroOnce) {
  auto form = MakeForm();
  EXPECT_EQ(log_, std::vector<std::string>{"Form_Load"});
  EXPECT_EQ(form->wiring().converter().Rate().scaled, 19'362'700);
  EXPECT_FALSE(form->wiring().converter().ActiveField().has_value());
  EXPECT_FALSE(IsWindowVisible(form->hwnd()));

  form->Show(SW_SHOW);
  Pump();
  EXPECT_EQ(log_, (std::vector<std::string>{"Form_Load", "Euro_GotFocus"}));
  EXPECT_EQ(form->wiring().converter().ActiveField(), Field::Euro);
  EXPECT_EQ(GetFocus(), Euro(*form));
  EXPECT_EQ(form->Text(Field::Euro), "");
  EXPECT_EQ(form->Text(Field::Lire), "");
}

// What a screen reader reads of a control: its name and value. Wine answers
// this only inside the window's own process.
std::pair<std::wstring, std::wstring> AccessibleNameAndValue(HWND control) {
  std::pair<std::wstring, std::wstring> result;
  IAccessible* accessible = nullptr;
  if (FAILED(AccessibleObjectFromWindow(
          control, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
          reinterpret_cast<void**>(&accessible)))) {
    return result;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (accessible->get_accName(self, &name) == S_OK && name) {
    result.first = name;
  }
  BSTR value = nullptr;
  if (accessible->get_accValue(self, &value) == S_OK && value) {
    result.second = value;
  }
  SysFreeString(name);
  SysFreeString(value);
  accessible->Release();
  return result;
}

TEST_F(Form1Test, ScreenReadersNameEachFieldAfterItsCaption) {
  auto form = ShowForm();
  form->SetText(Field::Euro, "12");
  EXPECT_EQ(AccessibleNameAndValue(Euro(*form)),
            (std::pair<std::wstring, std::wstring>{L"EURO", L"12"}));
  EXPECT_EQ(AccessibleNameAndValue(Lire(*form)),
            (std::pair<std::wstring, std::wstring>{L"LIRE", L"23.235,24"}));
}

TEST(Form1Cases, EveryWindowsCasesPass) {
  EXPECT_EQ(testing::RunWindowCases(
                kWindowCases, [] { return std::make_unique<Win32Window>(); }),
            std::vector<std::string>{});
}

// Wine's edit control undoes in two steps, each a change.
TEST_F(Form1Test, UndoIsAChangeForEachStepTheControlTakes) {
  auto form = ShowForm();
  HWND euro = Euro(*form);
  for (wchar_t key : std::wstring(L"123")) SendMessageW(euro, WM_CHAR, key, 1);
  log_.clear();
  SendMessageW(euro, EM_UNDO, 0, 0);
  EXPECT_EQ(form->Text(Field::Euro), "");
  EXPECT_EQ(std::count(log_.begin(), log_.end(), "Euro_Change"), 2);
}

TEST_F(Form1Test, TabMovesBetweenTheFieldsAndRaisesTheirFocusEvents) {
  auto form = ShowForm();
  const struct {
    HWND focus;
    const char* handler;
    Field active;
  } steps[] = {{Lire(*form), "Lire_GotFocus", Field::Lire},
               {Euro(*form), "Euro_GotFocus", Field::Euro},
               {Lire(*form), "Lire_GotFocus", Field::Lire}};
  for (const auto& step : steps) {
    log_.clear();
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
    Pump();
    EXPECT_EQ(GetFocus(), step.focus);
    EXPECT_EQ(log_, std::vector<std::string>{step.handler});
    EXPECT_EQ(form->wiring().converter().ActiveField(), step.active);
  }
}

TEST_F(Form1Test, AClickIntoAFieldRaisesItsFocusEventACaptionTakesNone) {
  auto form = ShowForm();
  const auto click = [](HWND control) {
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  };
  click(Lire(*form));
  EXPECT_EQ(log_, std::vector<std::string>{"Lire_GotFocus"});
  EXPECT_EQ(form->wiring().converter().ActiveField(), Field::Lire);
  click(Child(*form, 0));  // the caption EURO
  EXPECT_EQ(GetFocus(), Lire(*form));
  log_.clear();
  click(Euro(*form));
  EXPECT_EQ(log_, std::vector<std::string>{"Euro_GotFocus"});
  EXPECT_EQ(form->wiring().converter().ActiveField(), Field::Euro);
}

TEST_F(Form1Test, Label3ClickRunsOnceAndAnyExceptionIsReportedNotThrown) {
  const struct {
    const char* name;
    std::function<void()> link;
    std::vector<int> reports;
  } cases[] = {
      {"opens", [] {}, {}},
      {"no browser",
       [] { throw RunTimeError(kFileNotFoundNumber, "no browser"); },
       {kFileNotFoundNumber}},
      {"out of memory", [] { throw std::bad_alloc(); }, {kOutOfMemoryNumber}},
      {"anything else",
       [] { throw std::logic_error("broken"); },
       {kInternalErrorNumber}},
      {"not an exception class", [] { throw 42; }, {kInternalErrorNumber}},
  };
  for (const auto& c : cases) {
    auto form = ShowForm();
    clicks_ = 0;
    reports_.clear();
    link_ = c.link;
    HWND label3 = Label3(*form);
    SendMessageW(label3, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(label3, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(clicks_, 1) << c.name;
    EXPECT_TRUE(reports_.empty()) << c.name;
    Pump();
    EXPECT_EQ(reports_, c.reports) << c.name;
    // The second press of a double click is no second click.
    SendMessageW(label3, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
    SendMessageW(label3, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(clicks_, 1) << c.name;
    // A click runs no handler of the converter.
    EXPECT_TRUE(log_.empty()) << c.name;
  }
}

TEST_F(Form1Test, KeypadDecimalKeyTypesTheLocaleSeparator) {
  const struct {
    NumberConventions conventions;
    std::wstring euro;
    std::string lire;
  } cases[] = {
      {{",", "."}, L"1,5", "2.904,41"},
      {{".", ","}, L"1.5", "2,904.41"},
      // An Arabic decimal separator, one UTF-16 unit and two UTF-8 bytes.
      {{"\u066b", "\u066c"}, L"1\u066b5", "2\u066c904\u066b41"},
  };
  for (const auto& c : cases) {
    auto form = ShowForm(c.conventions);
    HWND euro = Euro(*form);
    SendMessageW(euro, WM_CHAR, L'1', 1);
    MSG key{euro, WM_KEYDOWN, VK_DECIMAL, 1, 0, {}};
    EXPECT_TRUE(form->PreTranslateMessage(key));
    SendMessageW(euro, WM_CHAR, L'5', 1);
    EXPECT_EQ(Utf16(form->Text(Field::Euro)), c.euro);
    EXPECT_EQ(form->Text(Field::Lire), c.lire);
  }
}

TEST_F(Form1Test, FieldsHoldAnyUnicodeTextOfAnyLength) {
  auto form = ShowForm();
  const std::string texts[] = {
      "€ 1.936,27 è già ✓",
      "\xF0\x9F\x98\x80 emoji beyond the basic plane",
      std::string(40'000, '7'),
  };
  for (const std::string& text : texts) {
    form->SetText(Field::Lire, text);
    EXPECT_EQ(form->Text(Field::Lire), text);
  }
}

TEST_F(Form1Test, ANewDensityScalesTheClientAreaControlsAndFonts) {
  auto form = ShowForm();
  const UINT dpi = 144;
  RECT suggested;
  GetWindowRect(form->hwnd(), &suggested);
  SendMessageW(form->hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&suggested));
  RECT client;
  GetClientRect(form->hwnd(), &client);
  EXPECT_EQ(client.right, MulDiv(468, dpi, 96));
  EXPECT_EQ(client.bottom, MulDiv(145, dpi, 96));
  RECT euro;
  GetWindowRect(Euro(*form), &euro);
  EXPECT_EQ(euro.right - euro.left, MulDiv(321, dpi, 96));
  EXPECT_EQ(euro.bottom - euro.top, MulDiv(37, dpi, 96));
  const struct {
    HWND control;
    double points;
  } fonts[] = {{Euro(*form), 18}, {Child(*form, 0), 21.75}};
  for (const auto& font : fonts) {
    LOGFONTW logical{};
    GetObjectW(
        reinterpret_cast<HFONT>(SendMessageW(font.control, WM_GETFONT, 0, 0)),
        sizeof logical, &logical);
    EXPECT_EQ(logical.lfHeight, -std::lround(font.points * dpi / 72));
    EXPECT_EQ(logical.lfWeight, 700);
    EXPECT_STREQ(logical.lfFaceName, L"Arial");
  }
}

// The window has no class cursor; it sets the arrow itself and leaves each
// control its own.
TEST_F(Form1Test, ThePointerIsAnArrowOverTheWindowAndAnIBeamOverAField) {
  auto form = ShowForm();
  const struct {
    HWND over;
    const wchar_t* cursor;
  } cases[] = {{form->hwnd(), IDC_ARROW}, {Euro(*form), IDC_IBEAM}};
  for (const auto& c : cases) {
    SetCursor(nullptr);
    SendMessageW(c.over, WM_SETCURSOR, reinterpret_cast<WPARAM>(c.over),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, c.cursor));
  }
}

TEST(WideText, RoundTripsAndReplacesWhatCannotBeHeld) {
  const struct {
    std::string utf8;
    std::wstring utf16;
  } round_trips[] = {
      {"", L""},
      {"1.936,27", L"1.936,27"},
      {"\xE2\x82\xAC", L"\u20ac"},
      {"\xF0\x9F\x98\x80", L"\xd83d\xde00"},
      {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
  };
  for (const auto& c : round_trips) {
    EXPECT_EQ(Utf16(c.utf8), c.utf16);
    EXPECT_EQ(Utf8(c.utf16), c.utf8);
  }
  EXPECT_EQ(Utf16("1\xFF"), L"1\ufffd");
  EXPECT_EQ(Utf8(L"1\xd800"), "1\xEF\xBF\xBD");
}

}  // namespace
}  // namespace eurolire

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // For the accessibility objects.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  return RUN_ALL_TESTS();
}

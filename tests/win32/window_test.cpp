// Black-box checks of the real eurolire.exe: started as a process, driven
// through its own message loop with posted keys and clicks, read back
// through its controls and the screen. Run under an Italian locale
// (ItalianLocale.*, Window.*, HighDensity.*) and an English one
// (EnglishLocale.*).
// Usage: window_test EUROLIRE_EXE FAKE_BROWSER_EXE [gtest flags]
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/win32/program_driver.h"

namespace eurolire::testing {
namespace {

std::wstring g_exe;
std::wstring g_browser;

constexpr wchar_t kTitle[] = L"Convertitore Euro/Lire .....by Morvek";

int Scaled(int pixels, UINT dpi) {
  return MulDiv(pixels, static_cast<int>(dpi), 96);
}

RECT ClientRectOf(HWND control, HWND window) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The window's client area as it is on the screen, one COLORREF a pixel.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;

  COLORREF At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * width + x];
  }
  int CountIf(const RECT& area, bool (*test)(COLORREF)) const {
    int count = 0;
    for (int y = std::max(0L, area.top);
         y < std::min<LONG>(height, area.bottom); ++y) {
      for (int x = std::max(0L, area.left);
           x < std::min<LONG>(width, area.right); ++x) {
        if (test(At(x, y))) ++count;
      }
    }
    return count;
  }
};

Capture CaptureClient(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  Capture capture;
  capture.width = client.right;
  capture.height = client.bottom;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = capture.width;
  info.bmiHeader.biHeight = -capture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap =
      CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, capture.width, capture.height, screen, origin.x,
         origin.y, SRCCOPY);
  GdiFlush();
  const auto* bgrx = static_cast<const std::uint8_t*>(bits);
  for (int i = 0; i < capture.width * capture.height; ++i) {
    capture.pixels.push_back(
        RGB(bgrx[4 * i + 2], bgrx[4 * i + 1], bgrx[4 * i]));
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return capture;
}

bool IsYellow(COLORREF c) {
  return GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) < 80;
}

// Sets a DWORD under HKEY_CURRENT_USER for the lifetime of the object and
// puts the old value back (or removes it) afterwards.
class UserRegistryValue {
 public:
  UserRegistryValue(const wchar_t* key, const wchar_t* name, DWORD value)
      : key_(key), name_(name) {
    DWORD old = 0;
    DWORD size = sizeof old;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr,
                     &old, &size) == ERROR_SUCCESS) {
      old_ = old;
    }
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_DWORD, &value,
                    sizeof value);
  }
  ~UserRegistryValue() {
    if (old_) {
      RegSetKeyValueW(HKEY_CURRENT_USER, key_, name_, REG_DWORD, &*old_,
                      sizeof *old_);
    } else {
      RegDeleteKeyValueW(HKEY_CURRENT_USER, key_, name_);
    }
  }

 private:
  const wchar_t* key_;
  const wchar_t* name_;
  std::optional<DWORD> old_;
};

// Sets a string value in the registry for the lifetime of the object and
// puts the old one back (or removes the key's value) afterwards.
class RegistryString {
 public:
  RegistryString(HKEY root, const wchar_t* key, const std::wstring& value)
      : root_(root), key_(key) {
    DWORD size = 0;
    if (RegGetValueW(root, key, nullptr, RRF_RT_REG_SZ, nullptr, nullptr,
                     &size) == ERROR_SUCCESS) {
      std::wstring old(size / sizeof(wchar_t), L'\0');
      RegGetValueW(root, key, nullptr, RRF_RT_REG_SZ, nullptr, old.data(),
                   &size);
      old.resize(old.find(L'\0'));
      old_ = old;
    }
    Set(value);
  }
  ~RegistryString() {
    if (old_) {
      Set(*old_);
    } else {
      RegDeleteKeyValueW(root_, key_, nullptr);
    }
  }

 private:
  void Set(const std::wstring& value) {
    RegSetKeyValueW(root_, key_, nullptr, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }
  HKEY root_;
  const wchar_t* key_;
  std::optional<std::wstring> old_;
};

// Makes the fake browser the handler of https addresses; it appends
// "<argument>\t<wShowWindow>" to `log` for every start. Windows takes the
// user's handler (HKEY_CURRENT_USER); Wine's HKEY_CLASSES_ROOT does not look
// there, and takes the machine's, so both are set.
class FakeBrowser {
 public:
  explicit FakeBrowser(std::wstring log)
      : log_((DeleteFileW(log.c_str()), std::move(log))),
        user_(HKEY_CURRENT_USER, kKey, Command()),
        machine_(HKEY_LOCAL_MACHINE, kKey, Command()) {}
  ~FakeBrowser() { DeleteFileW(log_.c_str()); }

  std::vector<std::string> Starts() const {
    std::ifstream file{std::filesystem::path(log_)};
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
  }

 private:
  static constexpr wchar_t kKey[] =
      L"Software\\Classes\\https\\shell\\open\\command";
  std::wstring Command() const {
    return L"\"" + g_browser + L"\" \"" + log_ + L"\" \"%1\"";
  }
  std::wstring log_;
  RegistryString user_;
  RegistryString machine_;
};

std::wstring TempPath(const wchar_t* name) {
  wchar_t directory[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, directory);
  return std::wstring(directory) + name;
}

TEST(Window, StartsCentredAtItsSizeWithTheFocusInEuro) {
  ProgramDriver program(g_exe);
  HWND window = program.window();
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  EXPECT_STREQ(title, kTitle);

  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 468);
  EXPECT_EQ(client.bottom, 145);

  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);

  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST),
                  &monitor);
  RECT frame;
  GetWindowRect(window, &frame);
  const RECT& work = monitor.rcWork;
  EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 1);

  EXPECT_EQ(program.Text(program.euro()), L"");
  EXPECT_EQ(program.Text(program.lire()), L"");
  EXPECT_EQ(program.Focus(), program.euro());
  EXPECT_EQ(program.Close(), 0u);
}

TEST(Window, ControlsAtTheirStoredPlacesEachCaptionJustBeforeItsField) {
  ProgramDriver program(g_exe);
  HWND window = program.window();
  struct Expected {
    HWND control;
    RECT rect;
  };
  const HWND euro_caption = program.Label(L"EURO");
  const HWND lire_caption = program.Label(L"LIRE");
  const HWND label3 = program.Label(L"Label3");
  ASSERT_TRUE(euro_caption && lire_caption && label3);
  for (const Expected& expected : {
           Expected{program.euro(), {112, 28, 433, 65}},
           Expected{program.lire(), {112, 80, 433, 117}},
           Expected{euro_caption, {24, 32, 109, 61}},
           Expected{lire_caption, {24, 84, 101, 113}},
           Expected{label3, {198, 186, 358, 199}},
       }) {
    const RECT rect = ClientRectOf(expected.control, window);
    EXPECT_EQ(rect.left, expected.rect.left);
    EXPECT_EQ(rect.top, expected.rect.top);
    EXPECT_EQ(rect.right, expected.rect.right);
    EXPECT_EQ(rect.bottom, expected.rect.bottom);
  }
  // Screen readers name a field after the label just before it; the tab
  // order follows the same z-order, so no label lies between the fields.
  EXPECT_EQ(GetWindow(program.euro(), GW_HWNDPREV), euro_caption);
  EXPECT_EQ(GetWindow(program.lire(), GW_HWNDPREV), lire_caption);
  EXPECT_EQ(GetWindow(lire_caption, GW_HWNDPREV), program.euro());
  EXPECT_TRUE(GetWindowLongPtrW(label3, GWL_STYLE) & SS_NOTIFY);
}

TEST(Window, GreyBackgroundYellowCaptionsLightFields) {
  ProgramDriver program(g_exe);
  HWND window = program.window();
  // Once the captions have been drawn too.
  const RECT euro_caption = ClientRectOf(program.Label(L"EURO"), window);
  ASSERT_TRUE(WaitFor([&] {
    const Capture capture = CaptureClient(window);
    return capture.At(2, 2) == RGB(64, 64, 64) &&
           capture.CountIf(euro_caption, IsYellow) > 100;
  }));
  const Capture capture = CaptureClient(window);
  for (const POINT point :
       {POINT{2, 2}, POINT{465, 142}, POINT{450, 70}, POINT{60, 130}}) {
    EXPECT_EQ(capture.At(point.x, point.y), RGB(64, 64, 64));
  }
  for (const wchar_t* caption : {L"EURO", L"LIRE"}) {
    const RECT area = ClientRectOf(program.Label(caption), window);
    EXPECT_GT(capture.CountIf(area, IsYellow), 100) << caption;
  }
  const COLORREF field = capture.At(400, 46);
  EXPECT_GT(GetRValue(field) + GetGValue(field) + GetBValue(field), 450);
}

TEST(ItalianLocale, TypedAmountConvertsAndATypedNonNumberIsKept) {
  ProgramDriver program(g_exe);
  program.Type(program.euro(), L"12");
  EXPECT_TRUE(WaitFor([&] {
    return program.Text(program.lire()) == L"23.235,24";
  })) << "Lire: "
      << ::testing::PrintToString(program.Text(program.lire()));
  EXPECT_EQ(program.Text(program.euro()), L"12");
  // The same text set again runs no conversion of its own.
  program.SetText(program.euro(), L"12");
  EXPECT_EQ(program.Text(program.lire()), L"23.235,24");

  // Setting the text put the caret at its start.
  program.PressKey(program.euro(), VK_END);
  program.Type(program.euro(), L"a");
  EXPECT_TRUE(WaitFor([&] { return program.Text(program.lire()).empty(); }));
  EXPECT_EQ(program.Text(program.euro()), L"12a");
}

TEST(ItalianLocale, TabMovesBetweenTheFieldsAndLireConvertToEuro) {
  ProgramDriver program(g_exe);
  program.PressKey(program.euro(), VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return program.Focus() == program.lire(); }));
  program.Type(program.lire(), L"1000");
  EXPECT_TRUE(WaitFor([&] { return program.Text(program.euro()) == L"0,52"; }));
  EXPECT_EQ(program.Text(program.lire()), L"1000");
  program.PressKey(program.lire(), VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return program.Focus() == program.euro(); }));
  // The focus moved, no text changed.
  EXPECT_EQ(program.Text(program.euro()), L"0,52");
  EXPECT_EQ(program.Text(program.lire()), L"1000");
  // An amount pasted into LIRE as it stands on a deed, its sign and all.
  const std::wstring deed = L"L. 1.000.000";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (deed.size() + 1) * 2);
  wcscpy(static_cast<wchar_t*>(GlobalLock(memory)), deed.c_str());
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  program.PressKey(program.euro(), VK_TAB);
  EXPECT_TRUE(WaitFor([&] { return program.Focus() == program.lire(); }));
  PostMessageW(program.lire(), EM_SETSEL, 0, -1);
  PostMessageW(program.lire(), WM_PASTE, 0, 0);
  EXPECT_TRUE(
      WaitFor([&] { return program.Text(program.euro()) == L"516,46"; }));
  EXPECT_EQ(program.Text(program.lire()), deed);
  // And one typed as deeds write it in words.
  PostMessageW(program.lire(), EM_SETSEL, 0, -1);
  program.Type(program.lire(), L"lire cinquecentomila");
  EXPECT_TRUE(
      WaitFor([&] { return program.Text(program.euro()) == L"258,23"; }));
}

TEST(ItalianLocale, KeypadDecimalKeyTypesTheLocaleSeparator) {
  ProgramDriver program(g_exe);
  program.Type(program.euro(), L"1");
  program.PressKey(program.euro(), VK_DECIMAL);
  program.Type(program.euro(), L"5");
  EXPECT_TRUE(
      WaitFor([&] { return program.Text(program.lire()) == L"2.904,41"; }));
  EXPECT_EQ(program.Text(program.euro()), L"1,5");
}

TEST(ItalianLocale, OverflowShowsOneItalianReportAndTheWindowGoesOn) {
  ProgramDriver program(g_exe);
  // 1e304 converts; 1e305 x 1936.27 is beyond the largest double.
  program.Type(program.euro(), L"1" + std::wstring(305, L'0'));
  ASSERT_TRUE(
      WaitFor([&] { return !program.TopLevelWindows(L"#32770").empty(); }));
  EXPECT_EQ(program.Text(program.euro()).size(), 306u);
  EXPECT_EQ(program.Text(program.lire()).rfind(L"19.362.700.000", 0), 0u);
  HWND box = program.TopLevelWindows(L"#32770").front();
  wchar_t title[64] = {};
  GetWindowTextW(box, title, 64);
  EXPECT_STREQ(title, L"Convertitore Euro/Lire");
  const std::wstring text = StaticTexts(box);
  EXPECT_NE(text.find(L"Errore di run-time 6: overflow."), std::wstring::npos);

  // Another overflow while the report is open adds no second box.
  program.Type(program.euro(), L"0");
  EXPECT_TRUE(
      WaitFor([&] { return program.Text(program.euro()).size() == 307; }));
  Sleep(300);
  EXPECT_EQ(program.TopLevelWindows(L"#32770").size(), 1u);

  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  ASSERT_TRUE(
      WaitFor([&] { return program.TopLevelWindows(L"#32770").empty(); }));
  Sleep(300);
  EXPECT_TRUE(program.TopLevelWindows(L"#32770").empty());

  program.SetText(program.euro(), L"");
  EXPECT_TRUE(WaitFor([&] { return program.Text(program.lire()).empty(); }));
  program.Type(program.euro(), L"2");
  EXPECT_TRUE(
      WaitFor([&] { return program.Text(program.lire()) == L"3.872,54"; }));
}

TEST(ItalianLocale, Label3OpensTheSiteOnceMaximizedThroughTheShell) {
  const FakeBrowser browser(TempPath(L"eurolire-browser.log"));
  ProgramDriver program(g_exe);
  program.Type(program.euro(), L"12");
  ASSERT_TRUE(
      WaitFor([&] { return program.Text(program.lire()) == L"23.235,24"; }));
  HWND label3 = program.Label(L"Label3");
  PostMessageW(label3, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  PostMessageW(label3, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(WaitFor([&] { return !browser.Starts().empty(); }, 15000));
  Sleep(1000);
  EXPECT_EQ(browser.Starts(),
            std::vector<std::string>{"https://www.ecb.europa.eu\t3"});
  EXPECT_EQ(program.Text(program.euro()), L"12");
  EXPECT_EQ(program.Text(program.lire()), L"23.235,24");
  EXPECT_TRUE(program.TopLevelWindows(L"#32770").empty());
}

TEST(HighDensity, At150PercentTheWindowAndItsFontsScale) {
  // The yellow pixels of the caption "EURO", once it is drawn.
  const auto caption_yellow = [](const ProgramDriver& program) {
    int yellow = 0;
    WaitFor([&] {
      yellow =
          CaptureClient(program.window())
              .CountIf(ClientRectOf(program.Label(L"EURO"), program.window()),
                       IsYellow);
      return yellow > 100;
    });
    return yellow;
  };
  int yellow_at_96 = 0;
  {
    ProgramDriver program(g_exe);
    yellow_at_96 = caption_yellow(program);
  }
  const UINT dpi = 144;
  const UserRegistryValue density(L"Control Panel\\Desktop", L"LogPixels", dpi);
  ProgramDriver program(g_exe);
  HWND window = program.window();
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, Scaled(468, dpi));
  EXPECT_EQ(client.bottom, Scaled(145, dpi));
  const RECT euro = ClientRectOf(program.euro(), window);
  EXPECT_EQ(euro.left, Scaled(112, dpi));
  EXPECT_EQ(euro.top, Scaled(28, dpi));
  EXPECT_EQ(euro.right - euro.left, Scaled(321, dpi));
  EXPECT_EQ(euro.bottom - euro.top, Scaled(37, dpi));

  const int yellow_at_144 = caption_yellow(program);
  // Glyph areas grow with the square of the scale, 2.25 times.
  const double ratio = static_cast<double>(yellow_at_144) / yellow_at_96;
  EXPECT_GT(ratio, 1.8);
  EXPECT_LT(ratio, 2.8);

  program.Type(program.euro(), L"12");
  EXPECT_TRUE(
      WaitFor([&] { return program.Text(program.lire()) == L"23.235,24"; }));
}

TEST(EnglishLocale, TypedAmountConvertsWithEnglishSeparators) {
  ProgramDriver program(g_exe);
  program.Type(program.euro(), L"12");
  EXPECT_TRUE(WaitFor([&] {
    return program.Text(program.lire()) == L"23,235.24";
  })) << ::testing::PrintToString(program.Text(program.lire()));
  program.SetText(program.euro(), L"");
  program.Type(program.euro(), L"1");
  program.PressKey(program.euro(), VK_DECIMAL);
  program.Type(program.euro(), L"5");
  EXPECT_TRUE(
      WaitFor([&] { return program.Text(program.lire()) == L"2,904.41"; }));
  EXPECT_EQ(program.Text(program.euro()), L"1.5");
}

}  // namespace
}  // namespace eurolire::testing

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: window_test EUROLIRE_EXE FAKE_BROWSER_EXE\n");
    return 2;
  }
  eurolire::testing::g_exe = eurolire::testing::WindowsPath(argv[1]);
  eurolire::testing::g_browser = eurolire::testing::WindowsPath(argv[2]);
  return RUN_ALL_TESTS();
}

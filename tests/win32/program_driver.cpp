#include "tests/win32/program_driver.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace eurolire::testing {
namespace {

constexpr wchar_t kTitle[] = L"Convertitore Euro/Lire .....by Morvek";

// Window class names compare without regard to case.
bool HasClass(HWND window, std::wstring_view class_name) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return lstrcmpiW(name, std::wstring(class_name).c_str()) == 0;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

std::wstring TextOf(HWND control) {
  DWORD_PTR length = 0;
  SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK, 5000,
                      &length);
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, length + 1,
                      reinterpret_cast<LPARAM>(text.data()), SMTO_BLOCK, 5000,
                      &copied);
  text.resize(copied);
  return text;
}

struct WindowSearch {
  DWORD process_id;
  std::wstring_view class_name;
  std::wstring_view title;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM search_pointer) {
  auto& search = *reinterpret_cast<WindowSearch*>(search_pointer);
  DWORD process_id = 0;
  GetWindowThreadProcessId(window, &process_id);
  if (process_id != search.process_id || !IsWindowVisible(window)) {
    return TRUE;
  }
  if (!search.class_name.empty() && !HasClass(window, search.class_name)) {
    return TRUE;
  }
  wchar_t title[128] = {};
  GetWindowTextW(window, title, 128);
  if (!search.title.empty() && search.title != title) return TRUE;
  search.found.push_back(window);
  return TRUE;
}

}  // namespace

std::wstring WindowsPath(std::wstring_view path) {
  std::wstring windows(path.begin(), path.end());
  if (!windows.empty() && windows.front() == L'/') windows.insert(0, L"Z:");
  std::replace(windows.begin(), windows.end(), L'/', L'\\');
  return windows;
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
  for (int waited = 0;; waited += 10) {
    if (condition()) return true;
    if (waited >= milliseconds) return false;
    Sleep(10);
  }
}

ProgramDriver::ProgramDriver(const std::wstring& exe) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  std::wstring command_line = L"\"" + exe + L"\"";
  if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                      0, nullptr, nullptr, &startup, &process_)) {
    throw std::runtime_error("CreateProcessW failed");
  }
  WaitFor(
      [this] {
        WindowSearch search{process_.dwProcessId, L"", kTitle, {}};
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found.empty()) window_ = search.found.front();
        return window_ != nullptr;
      },
      20000);
  if (!window_) {
    TerminateProcess(process_.hProcess, 1);
    throw std::runtime_error("the window did not come up");
  }
  std::vector<HWND> edits;
  for (HWND child : Children(window_)) {
    if (HasClass(child, L"Edit")) edits.push_back(child);
  }
  if (edits.size() != 2) throw std::runtime_error("not two edit controls");
  RECT first;
  RECT second;
  GetWindowRect(edits[0], &first);
  GetWindowRect(edits[1], &second);
  if (first.top > second.top) std::swap(edits[0], edits[1]);
  euro_ = edits[0];
  lire_ = edits[1];
}

ProgramDriver::~ProgramDriver() {
  // Once the window is gone the program is ending; Wine takes another two
  // seconds or so to end a process, which the next test need not wait for.
  if (!closed_) {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (!WaitFor([this] { return !IsWindow(window_); })) {
      TerminateProcess(process_.hProcess, 1);
    }
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND ProgramDriver::Label(std::wstring_view text) const {
  for (HWND child : Children(window_)) {
    if (HasClass(child, L"Static") && TextOf(child) == text) return child;
  }
  return nullptr;
}

void ProgramDriver::Type(HWND control, std::wstring_view text) const {
  for (wchar_t unit : text) PostMessageW(control, WM_CHAR, unit, 1);
}

void ProgramDriver::PressKey(HWND control, UINT key) const {
  const LPARAM scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC) << 16;
  PostMessageW(control, WM_KEYDOWN, key, 1 | scan);
  PostMessageW(control, WM_KEYUP, key, 1 | scan | 0xC0000000);
}

std::wstring ProgramDriver::Text(HWND control) const { return TextOf(control); }

void ProgramDriver::SetText(HWND control, std::wstring_view text) const {
  const std::wstring copy(text);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(control, WM_SETTEXT, 0,
                      reinterpret_cast<LPARAM>(copy.c_str()), SMTO_BLOCK, 5000,
                      &result);
}

HWND ProgramDriver::Focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(process_.dwThreadId, &info)) return nullptr;
  return info.hwndFocus;
}

std::vector<HWND> ProgramDriver::TopLevelWindows(
    std::wstring_view class_name) const {
  WindowSearch search{process_.dwProcessId, class_name, L"", {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

DWORD ProgramDriver::Close() {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  DWORD code = STILL_ACTIVE;
  if (WaitForSingleObject(process_.hProcess, 10000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process_.hProcess, &code);
    closed_ = true;
  }
  return code;
}

std::wstring StaticTexts(HWND window) {
  std::wstring texts;
  for (HWND child : Children(window)) {
    if (HasClass(child, L"Static")) texts += TextOf(child) + L"\n";
  }
  return texts;
}

}  // namespace eurolire::testing

// Drives a running eurolire.exe from another process, as a user would: starts
// it, finds its window and controls, posts keys and clicks through its own
// message loop, reads texts back, and closes it.
#ifndef EUROLIRE_TESTS_WIN32_PROGRAM_DRIVER_H_
#define EUROLIRE_TESTS_WIN32_PROGRAM_DRIVER_H_

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace eurolire::testing {

// A Windows path for `path`; a Unix path ("/work/x") is taken as Wine's Z:
// drive ("Z:\work\x").
std::wstring WindowsPath(std::wstring_view path);

// Polls `condition` every 10 ms until it holds or `milliseconds` pass.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 10000);

class ProgramDriver {
 public:
  // Starts `exe` and waits until its window, found by its title, is visible.
  // Throws std::runtime_error when it does not come up within 20 s.
  explicit ProgramDriver(const std::wstring& exe);
  // Closes the window if it is still open, and kills the program if its
  // window does not go.
  ~ProgramDriver();
  ProgramDriver(const ProgramDriver&) = delete;
  ProgramDriver& operator=(const ProgramDriver&) = delete;

  HWND window() const { return window_; }
  // The two edit controls: Euro is the upper one.
  HWND euro() const { return euro_; }
  HWND lire() const { return lire_; }
  // The static control showing `text` ("EURO", "LIRE", "Label3").
  HWND Label(std::wstring_view text) const;

  // Posts one WM_CHAR per UTF-16 unit to `control`.
  void Type(HWND control, std::wstring_view text) const;
  // Posts a key press and release of virtual key `key` to `control`.
  void PressKey(HWND control, UINT key) const;
  std::wstring Text(HWND control) const;
  // Sets the control's text from outside, as WM_SETTEXT does.
  void SetText(HWND control, std::wstring_view text) const;
  // The window with the keyboard focus in the program's thread.
  HWND Focus() const;
  // The visible top-level windows of the program with the window class
  // `class_name` ("#32770" for message boxes).
  std::vector<HWND> TopLevelWindows(std::wstring_view class_name) const;
  // Asks the window to close and returns the program's exit code.
  DWORD Close();

 private:
  PROCESS_INFORMATION process_{};
  HWND window_ = nullptr;
  HWND euro_ = nullptr;
  HWND lire_ = nullptr;
  bool closed_ = false;
};

// The texts of the static controls inside `window`, concatenated.
std::wstring StaticTexts(HWND window);

}  // namespace eurolire::testing

#endif  // EUROLIRE_TESTS_WIN32_PROGRAM_DRIVER_H_

// A stand-in for the user's web browser in the window tests: started as
//   fake_browser LOG ADDRESS
// it appends "ADDRESS<TAB>wShowWindow" to LOG (-1 when no show command was
// given) and ends without a window.
#include <windows.h>

#include <cstdio>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv || argc != 3) return 2;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  const int show =
      (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
  FILE* log = _wfopen(argv[1], L"a");
  if (!log) return 1;
  std::fprintf(log, "%ls\t%d\n", argv[2], show);
  std::fclose(log);
  LocalFree(argv);
  return 0;
}

// eurolire.com, the converter's console program beside eurolire.exe: typed
// as "eurolire" in a console, it is found before eurolire.exe, and the
// console waits for it, as it does not for a window program. Given
// arguments it converts amounts on the console (win32/standard_streams.h);
// given none it starts eurolire.exe, the window, and returns.
#include <windows.h>

#include <string>

#include "cli/command_line.h"
#include "win32/standard_streams.h"

namespace {

// The path of eurolire.exe in this program's folder.
std::wstring WindowProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(),
                                            static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  path.resize(path.find_last_of(L'\\') + 1);
  return path + L"eurolire.exe";
}

// The window is on its own, with neither this console nor the standard
// handles: holding the end of a pipe, it would keep a script that reads this
// program's output waiting until the window closes (Wine would hand it
// both).
int StartWindow() {
  const std::wstring exe = WindowProgramPath();
  std::wstring command_line = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (exe.empty() ||
      !CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                      DETACHED_PROCESS, nullptr, nullptr, &startup, &process)) {
    // No accented letter, which a console might show wrong.
    const char message[] = "eurolire: impossibile avviare eurolire.exe\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), message, sizeof message - 1,
              &written, nullptr);
    return eurolire::kExitNotConverted;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return eurolire::kExitSuccess;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc <= 1) return StartWindow();
  return eurolire::RunCommandLineOn(eurolire::Utf8Arguments(argc, argv),
                                    eurolire::ConsoleProgramHandles());
}

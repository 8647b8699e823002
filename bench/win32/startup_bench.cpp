// Start-up of eurolire.exe under Wine (or Windows) against a bare window
// with the same title and five controls and no logic (the floor): for each
// run, the time from CreateProcessW to the window being visible ("shown"),
// and to the program's message loop first waiting for input once the window
// has been painted ("idle", WaitForInputIdle). Runs the programs interleaved
// and prints each one's medians.
// Usage: startup_bench RUNS PROGRAM.exe...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"Convertitore Euro/Lire .....by Morvek";

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

HWND VisibleWindowOf(DWORD process_id) {
  for (HWND window = FindWindowW(nullptr, kTitle); window;
       window = FindWindowExW(nullptr, window, nullptr, kTitle)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process_id && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

struct Times {
  double shown = 0;
  double idle = 0;
};

// One start and close of `exe`; false when its window did not come up.
bool TimeOneStart(std::wstring exe, Times& times) {
  if (!exe.empty() && exe.front() == L'/') exe.insert(0, L"Z:");
  std::replace(exe.begin(), exe.end(), L'/', L'\\');
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring command_line = L"\"" + exe + L"\"";
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(exe.c_str(), command_line.data(), nullptr, nullptr, FALSE,
                      0, nullptr, nullptr, &startup, &process)) {
    return false;
  }
  HWND window = nullptr;
  for (int polls = 0; !window && polls < 20000; ++polls) {
    window = VisibleWindowOf(process.dwProcessId);
    if (!window) Sleep(1);
  }
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  times.shown = Milliseconds(start, now);
  if (window) {
    WaitForInputIdle(process.hProcess, 10000);
    QueryPerformanceCounter(&now);
    times.idle = Milliseconds(start, now);
    PostMessageW(window, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return window != nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_bench RUNS PROGRAM.exe...\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  const int programs = argc - 2;
  std::vector<std::vector<double>> shown(programs);
  std::vector<std::vector<double>> idle(programs);
  for (int run = 0; run < runs; ++run) {
    for (int program = 0; program < programs; ++program) {
      Times times;
      if (!TimeOneStart(argv[2 + program], times)) {
        std::fprintf(stderr, "%ls: no window\n", argv[2 + program]);
        return 1;
      }
      shown[program].push_back(times.shown);
      idle[program].push_back(times.idle);
    }
  }
  for (int program = 0; program < programs; ++program) {
    std::printf("%ls: %d runs, medians: shown %.1f ms, idle %.1f ms\n",
                argv[2 + program], runs, Median(shown[program]),
                Median(idle[program]));
  }
  return 0;
}

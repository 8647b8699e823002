// The command line of eurolire.com and of eurolire.exe given arguments, as a
// script sees it: each started with pipes for its standard handles, fed its
// input, and its output's bytes, its messages and its exit status checked.
// Run under an Italian locale and an English one (EnglishLocale*).
// Usage: command_line_test EUROLIRE_EXE EUROLIRE_COM [gtest flags]
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "form/product.h"
#include "tests/win32/program_driver.h"

namespace eurolire::testing {
namespace {

std::vector<std::wstring> g_programs;

struct Outcome {
  DWORD status = 0;
  std::string out;
  std::string err;
};

std::string ReadAll(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0) {
    text.append(buffer, read);
  }
  CloseHandle(pipe);
  return text;
}

// The pipes hold the few bytes of a case: no thread needed to drain them.
Outcome RunProgram(const std::wstring& program, const std::wstring& arguments,
                   const std::string& input) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE in[2], out[2], err[2];  // each a read end and a write end
  for (HANDLE* pipe : {in, out, err}) {
    CreatePipe(&pipe[0], &pipe[1], &inherit, 1 << 16);
    SetHandleInformation(pipe == in ? pipe[1] : pipe[0], HANDLE_FLAG_INHERIT,
                         0);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in[0];
  startup.hStdOutput = out[1];
  startup.hStdError = err[1];
  std::wstring command_line = L"\"" + program + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  EXPECT_TRUE(CreateProcessW(program.c_str(), command_line.data(), nullptr,
                             nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                             &startup, &process));
  for (HANDLE end : {in[0], out[1], err[1]}) CloseHandle(end);
  DWORD written = 0;
  if (!input.empty()) {
    WriteFile(in[1], input.data(), static_cast<DWORD>(input.size()), &written,
              nullptr);
  }
  CloseHandle(in[1]);
  Outcome run;
  run.out = ReadAll(out[0]);
  run.err = ReadAll(err[0]);
  WaitForSingleObject(process.hProcess, 30000);
  GetExitCodeProcess(process.hProcess, &run.status);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

struct Case {
  const char* name;
  const wchar_t* arguments;
  std::string input;
  DWORD status;
  std::string out;  // the whole output, or with `part` a piece of it
  bool part;
  bool err;  // whether standard error has something to say
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class CommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLine, RunsInBothPrograms) {
  const Case& c = GetParam();
  for (const std::wstring& program : g_programs) {
    SCOPED_TRACE(::testing::PrintToString(program));
    const Outcome run = RunProgram(program, c.arguments, c.input);
    EXPECT_EQ(run.status, c.status);
    if (c.part) {
      EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
    } else {
      EXPECT_EQ(run.out, c.out);
    }
    for (std::size_t i = 0; (i = run.out.find('\n', i)) != std::string::npos;
         ++i) {
      EXPECT_TRUE(i > 0 && run.out[i - 1] == '\r') << "a bare LF: " << run.out;
    }
    EXPECT_EQ(run.err.empty(), !c.err) << run.err;
  }
}

INSTANTIATE_TEST_SUITE_P(
    ItalianLocale, CommandLine,
    ::testing::Values(
        Case{"euro", L"--euro 12", "", 0, "23.235,24\r\n", false, false},
        Case{"not_a_number", L"--lire abc", "", 1, "\r\n", false, true},
        Case{"filter_crlf", L"--lire", "1000\r\n12a\r\n1.936,27\r\n", 1,
             "0,52\r\n\r\n1,00\r\n", false, true},
        Case{"help_utf8", L"--help", "", 0, "lo\r\n\xC3\xA8, 2 se", true,
             false},
        Case{"version", L"--version", "", 0,
             "eurolire " EUROLIRE_VERSION "\r\n", false, false},
        Case{"usage", L"--euro 1 --lire", "", 2, "", false, true}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(EnglishLocale, CommandLine,
                         ::testing::Values(Case{"euro", L"--euro 12", "", 0,
                                                "23,235.24\r\n", false, false}),
                         [](const auto& info) {
                           return std::string(info.param.name);
                         });

// A console waits for eurolire.com, which starts the window and returns.
TEST(ConsoleProgram, WithoutArgumentsStartsTheWindowAndReturns) {
  EXPECT_EQ(RunProgram(g_programs[1], L"", "").status, 0u);
  HWND window = nullptr;
  EXPECT_TRUE(WaitFor([&window] {
    window = FindWindowW(nullptr, L"Convertitore Euro/Lire .....by Morvek");
    return window != nullptr;
  }));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitFor([window] { return !IsWindow(window); }));
}

}  // namespace
}  // namespace eurolire::testing

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 3) {
    std::fprintf(stderr,
                 "usage: command_line_test EUROLIRE_EXE EUROLIRE_COM\n");
    return 2;
  }
  for (int i = 1; i < 3; ++i) {
    eurolire::testing::g_programs.push_back(
        eurolire::testing::WindowsPath(argv[i]));
  }
  return RUN_ALL_TESTS();
}

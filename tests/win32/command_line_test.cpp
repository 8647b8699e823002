// eurolire.com, and eurolire.exe given arguments, as a script runs them:
// pipes for standard handles, the input fed in; the output's bytes, the
// messages and the exit status checked, in an Italian locale and an English
// one (EnglishLocale*); eurolire.com also in a console, typed at. Usage:
// command_line_test EUROLIRE_EXE EUROLIRE_COM
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "form/product.h"
#include "tests/win32/program_driver.h"

namespace eurolire::testing {
namespace {

std::vector<std::wstring> g_programs;

struct Case {
  const char* name;
  const wchar_t* arguments;
  std::string input;
  DWORD status;
  std::string out;  // the whole output, or with `part` a piece of it
  bool part, err;   // err: whether standard error has something to say
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

// The pipes hold the few bytes of a case: no thread needs to drain them.
void RunAndCheck(const std::wstring& program, const Case& c) {
  SCOPED_TRACE(::testing::Message() << c.name << " in " << program);
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE in[2], out[2], err[2];  // each a read end and a write end
  for (HANDLE* pipe : {in, out, err}) {
    CreatePipe(&pipe[0], &pipe[1], &inherit, 1 << 16);
    SetHandleInformation(pipe[pipe == in], HANDLE_FLAG_INHERIT, 0);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = in[0];
  startup.hStdOutput = out[1];
  startup.hStdError = err[1];
  std::wstring command_line = L"\"" + program + L"\" " + c.arguments;
  PROCESS_INFORMATION process{};
  EXPECT_TRUE(CreateProcessW(program.c_str(), command_line.data(), nullptr,
                             nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                             &startup, &process));
  for (HANDLE end : {in[0], out[1], err[1]}) CloseHandle(end);
  DWORD size = 0, status = 99;
  WriteFile(in[1], c.input.data(), c.input.size(), &size, nullptr);
  CloseHandle(in[1]);
  const std::string out_text = ReadAll(out[0]), err_text = ReadAll(err[0]);
  WaitForSingleObject(process.hProcess, 30000);
  GetExitCodeProcess(process.hProcess, &status);
  for (HANDLE end : {process.hThread, process.hProcess}) CloseHandle(end);
  EXPECT_EQ(status, c.status);
  EXPECT_TRUE(c.part ? out_text.find(c.out) != std::string::npos
                     : out_text == c.out)
      << ::testing::PrintToString(out_text);
  EXPECT_EQ(err_text.empty(), !c.err) << err_text;
}

class CommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLine, RunsInBothPrograms) {
  for (const std::wstring& p : g_programs) RunAndCheck(p, GetParam());
}

// A text is read as it writes numbers, whatever the user's locale.
constexpr const char* kCarefulText =
    "Da 60 a 72 lire turche; una lira a 7 corde; 700-800 euro; 1 milione 200 "
    "mila lire; di lire\n1.500 milioni; L. 241 del 1990; nel 1997 lire 5.000; "
    "L. 150.000.000 (lire centocinquantamilioni); euro 1.000,-\n";
constexpr const char* kCarefulConverted =
    "Da 60 a 72 lire turche; una lira a 7 corde; 700-800 euro (L. "
    "1.355.389,00-1.549.016,00); 1 milione 200 mila lire (\u20AC 619,75); di "
    "lire\n1.500 milioni (\u20AC 774.685,35); L. 241 del 1990; nel 1997 lire "
    "5.000 (\u20AC 2,58); L. 150.000.000 (lire centocinquantamilioni) "
    "(\u20AC 77.468,53); euro 1.000,- (L. 1.936.270,00)\n";

INSTANTIATE_TEST_SUITE_P(
    ItalianLocale, CommandLine,
    ::testing::Values(
        Case{"euro", L"--euro 12", "", 0, "23.235,24\r\n", false, false},
        Case{"not_a_number", L"--lire abc", "", 1, "\r\n", false, true},
        Case{"filter", L"--lire", "1000\r\n12a\r\n1.936,27\r\n", 1,
             "0,52\r\n\r\n1,00\r\n", false, true},
        Case{"help", L"--help", "", 0, "lo\r\n\xC3\xA8, 2 se", true, false},
        Case{"version", L"--version", "", 0,
             "eurolire " EUROLIRE_VERSION "\r\n", false, false},
        Case{"usage", L"--euro 1 --lire", "", 2, "", false, true},
        // Amounts with their currency's sign, as arguments and as lines.
        Case{"signs", L"--euro \"\u20AC 12,50\" \"12,50 \u20AC\"", "", 0,
             "24.203,38\r\n24.203,38\r\n", false, false},
        Case{"signs_filter", L"--lire", "L. 1.000.000\r\n\u20AC 12\r\n", 1,
             "516,46\r\n\r\n", false, true},
        Case{"words", L"--lire \"lire cinquecentomila\"", "", 0, "258,23\r\n",
             false, false},
        // A text keeps its own bytes and line endings.
        Case{"text", L"--testo", "lire 850.000\r\neuro 12,50\n", 0,
             "lire 850.000 (\u20AC 438,99)\r\neuro 12,50 (L. 24.203,38)\n",
             false, false},
        Case{"careful_text", L"--testo", kCarefulText, 0, kCarefulConverted,
             false, false},
        // Every digit exact.
        Case{"exact",
             L"--euro 51.645.689,98 99999999999999,99 0,51645948137398", "", 0,
             "100.000.000.137,57\r\n193.626.999.999.999.980,64\r\n1.000,00\r\n",
             false, false},
        Case{"exact_lire",
             L"--lire \"lire 930.671.374.429.838\" 19.362.744.176 "
             L"10000000000000000000000000",
             "", 0,
             "480.651.652.109,38\r\n10.000.022,81\r\n"
             "5.164.568.990.894.864.869.052,35\r\n",
             false, false}));
INSTANTIATE_TEST_SUITE_P(
    EnglishLocale, CommandLine,
    ::testing::Values(Case{"euro", L"--euro 12", "", 0, "23,235.24\r\n", false,
                           false},
                      Case{"sign", L"--euro \u20AC12.50", "", 0,
                           "24,203.38\r\n", false, false},
                      Case{"careful_text", L"--testo", kCarefulText, 0,
                           kCarefulConverted, false, false}));

// eurolire.com in a console of its own: keys typed into it, what it shows
// read back off the screen, where accented letters come out right only if
// they were written in UTF-16.
struct ConsoleCase {
  const char* name;
  std::wstring arguments;
  const wchar_t* thousands;  // the user's thousands separator, if set
  std::wstring typed;        // U+001A is Ctrl+Z
  DWORD status;
  std::wstring screen;  // a piece of the screen's rows, each ending in \n
};

void PrintTo(const ConsoleCase& c, std::ostream* os) { *os << c.name; }

std::wstring Repeat(std::wstring_view text, int times) {
  std::wstring all;
  while (times-- > 0) all += text;
  return all;
}

class Console : public ::testing::TestWithParam<ConsoleCase> {};

TEST_P(Console, ShowsTheTextAndReadsUntilCtrlZ) {
  const ConsoleCase& c = GetParam();
  FreeConsole();
  ASSERT_TRUE(AllocConsole());
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  SetConsoleScreenBufferSize(out, {80, 6000});
  wchar_t thousands[8] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousands, 8);
  if (c.thousands) {
    SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, c.thousands);
  }
  std::wstring command_line = L"\"" + g_programs[1] + L"\" " + c.arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  EXPECT_TRUE(CreateProcessW(g_programs[1].c_str(), command_line.data(),
                             nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process));
  for (const wchar_t ch : c.typed) {
    const WORD key = ch == L'\r' ? VK_RETURN : ch == L'\x1A' ? 'Z' : 0;
    const DWORD state = ch == L'\x1A' ? LEFT_CTRL_PRESSED : 0;
    INPUT_RECORD keys[2] = {
        {KEY_EVENT, {.KeyEvent = {TRUE, 1, key, 0, {ch}, state}}},
        {KEY_EVENT, {.KeyEvent = {FALSE, 1, key, 0, {ch}, state}}}};
    DWORD written = 0;
    WriteConsoleInputW(in, keys, 2, &written);
  }
  DWORD status = 99;
  if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 98);
  }
  GetExitCodeProcess(process.hProcess, &status);
  for (HANDLE end : {process.hThread, process.hProcess}) CloseHandle(end);
  SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousands);
  CONSOLE_SCREEN_BUFFER_INFO info{};
  GetConsoleScreenBufferInfo(out, &info);
  std::wstring screen;
  for (SHORT y = 0; y < info.dwCursorPosition.Y; ++y) {
    std::wstring row(info.dwSize.X, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(out, row.data(), info.dwSize.X, {0, y}, &read);
    screen += row.substr(0, row.find_last_not_of(L' ') + 1) + L'\n';
  }
  FreeConsole();
  EXPECT_EQ(status, c.status);
  EXPECT_NE(screen.find(c.screen), std::wstring::npos)
      << ::testing::PrintToString(screen.substr(
             screen.size() - std::min<size_t>(screen.size(), 2000)));
}

// full_buffer: 12 bytes a line with a two-byte separator, so the 64 KiB
// buffer fills in the middle of one, which the console must get whole.
INSTANTIATE_TEST_SUITE_P(
    ItalianLocale, Console,
    ::testing::Values(
        ConsoleCase{"euro", L"--euro 12", nullptr, L"", 0, L"23.235,24\n"},
        ConsoleCase{"help", L"--help", nullptr, L"", 0, L"lo\n\u00e8, 2 se"},
        ConsoleCase{"filter", L"--lire", nullptr,
                    L"1000\r12a\r\u00e8\U0001F600\r\x1A\r", 1,
                    L"riga 3: \"\u00e8\U0001F600\" non \u00e8 un numero\n"
                    L"^Z\n0,52\n\n\n"},
        ConsoleCase{"full_buffer", L"--euro" + Repeat(L" 100", 5462), L"\u00a0",
                    L"", 0, Repeat(L"193\u00a0627,00\n", 5462)}));

// A console waits for eurolire.com, which starts the window and returns.
TEST(ConsoleProgram, WithoutArgumentsStartsTheWindowAndReturns) {
  RunAndCheck(g_programs[1], {"", L"", "", 0, "", false, false});
  const auto window = [] {
    return FindWindowW(nullptr, L"Convertitore Euro/Lire .....by Morvek");
  };
  EXPECT_TRUE(WaitFor([&] { return window() != nullptr; }));
  PostMessageW(window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return window() == nullptr; }));
}

}  // namespace
}  // namespace eurolire::testing

int wmain(int argc, wchar_t** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 3) return 2;
  using eurolire::testing::WindowsPath;
  eurolire::testing::g_programs = {WindowsPath(argv[1]), WindowsPath(argv[2])};
  return RUN_ALL_TESTS();
}

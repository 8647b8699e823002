// The command line (cli/command_line.h) on Windows' standard handles, for
// eurolire.com and for eurolire.exe given arguments. What it reads and
// writes is UTF-8 with lines ending in "\r\n", as Windows programs write
// them; a console is read and written in UTF-16 instead, so that accented
// letters show whatever its code page.
#ifndef EUROLIRE_WIN32_STANDARD_STREAMS_H_
#define EUROLIRE_WIN32_STANDARD_STREAMS_H_

#include <windows.h>

#include <string>
#include <vector>

namespace eurolire {

struct StandardHandles {
  HANDLE in;
  HANDLE out;
  HANDLE err;
};

// The standard handles as a console program has them.
StandardHandles ConsoleProgramHandles();

// For a program of the window subsystem: each standard handle it inherited,
// if it is usable (redirected by its parent, or a terminal's under Wine),
// and for the others the console of the parent process, if it has one. The
// parent does not wait for such a program: a console shows its prompt
// again before the program's output, which is why eurolire.com exists.
StandardHandles WindowProgramHandles();

// The arguments after the program's name, in UTF-8.
std::vector<std::string> Utf8Arguments(int argc, const wchar_t* const* argv);

// Runs the command line with the conventions of the user's locale on
// `handles` and returns its exit status. Reading from the console stops at
// Ctrl+Z, which is how its users end an input.
int RunCommandLineOn(const std::vector<std::string>& arguments,
                     const StandardHandles& handles);

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_STANDARD_STREAMS_H_

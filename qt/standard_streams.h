// The command line (cli/command_line.h) on the process's standard file
// descriptors, for the Linux program given arguments that are not Qt's.
#ifndef EUROLIRE_QT_STANDARD_STREAMS_H_
#define EUROLIRE_QT_STANDARD_STREAMS_H_

#include <unistd.h>

#include <string_view>
#include <vector>

namespace eurolire {

struct StandardHandles {
  int in = STDIN_FILENO;
  int out = STDOUT_FILENO;
  int err = STDERR_FILENO;
};

// Runs the command line with the conventions of the system locale on
// `handles` and returns its exit status. Messages on a terminal show as they
// come; into a file or a pipe everything is written in blocks.
int RunCommandLineOn(const std::vector<std::string_view>& arguments,
                     const StandardHandles& handles);

}  // namespace eurolire

#endif  // EUROLIRE_QT_STANDARD_STREAMS_H_

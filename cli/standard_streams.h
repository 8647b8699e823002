// The command line (cli/command_line.h) on POSIX file descriptors: the
// Linux program's standard input, output and error, and any file opened for
// reading as its input is.
#ifndef EUROLIRE_CLI_STANDARD_STREAMS_H_
#define EUROLIRE_CLI_STANDARD_STREAMS_H_

#include <unistd.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/byte_streams.h"

namespace eurolire {

// A file descriptor read as the command line's input.
class FileInput : public ByteInput {
 public:
  // Reads `descriptor` (standard input, say), which stays open.
  explicit FileInput(int descriptor) : descriptor_(descriptor) {}
  // Opens the file at `path` for reading; nullptr, with errno saying why,
  // when it cannot be opened. The file is closed with the input.
  static std::unique_ptr<FileInput> Open(const char* path);
  ~FileInput() override;
  FileInput(const FileInput&) = delete;
  FileInput& operator=(const FileInput&) = delete;

  std::optional<std::size_t> Read(char* buffer, std::size_t size) override;

 private:
  FileInput(int descriptor, bool owned)
      : descriptor_(descriptor), owned_(owned) {}

  int descriptor_;
  bool owned_ = false;
};

// A file descriptor written as the command line's output or error.
class FileOutput : public ByteOutput {
 public:
  explicit FileOutput(int descriptor);

  bool Write(std::string_view bytes) override;
  // A terminal.
  bool IsInteractive() const override { return interactive_; }

 private:
  int descriptor_;
  bool interactive_;
};

struct StandardHandles {
  int in = STDIN_FILENO;
  int out = STDOUT_FILENO;
  int err = STDERR_FILENO;
};

// Runs the command line with the conventions of the locale the environment
// chooses for numbers (cli/locale_conventions.h) on `handles` and returns
// its exit status; a locale the system lacks is said on standard error and
// the C locale's conventions taken instead. Messages on a terminal show as
// they come; into a file or a pipe everything is written in blocks.
int RunCommandLineOn(const std::vector<std::string_view>& arguments,
                     const StandardHandles& handles);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_STANDARD_STREAMS_H_

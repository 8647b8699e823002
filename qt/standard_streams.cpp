#include "qt/standard_streams.h"

#include <unistd.h>

#include <QLocale>
#include <cerrno>
#include <cstddef>
#include <optional>
#include <string_view>

#include "cli/byte_streams.h"
#include "cli/command_line.h"
#include "qt/locale_conventions.h"

namespace eurolire {
namespace {

class FileInput : public ByteInput {
 public:
  explicit FileInput(int descriptor) : descriptor_(descriptor) {}

  std::optional<std::size_t> Read(char* buffer, std::size_t size) override {
    for (;;) {
      const ssize_t read = ::read(descriptor_, buffer, size);
      if (read >= 0) return static_cast<std::size_t>(read);
      // A signal's handler ran before anything was read.
      if (errno != EINTR) return std::nullopt;
    }
  }

 private:
  int descriptor_;
};

class FileOutput : public ByteOutput {
 public:
  explicit FileOutput(int descriptor)
      : descriptor_(descriptor), interactive_(isatty(descriptor) == 1) {}

  bool Write(std::string_view bytes) override {
    while (!bytes.empty()) {
      const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
  }

  bool IsInteractive() const override { return interactive_; }

 private:
  int descriptor_;
  bool interactive_;
};

}  // namespace

int RunCommandLineOn(const std::vector<std::string_view>& arguments,
                     const StandardHandles& handles) {
  FileInput in(handles.in);
  FileOutput out(handles.out);
  FileOutput err(handles.err);
  return RunCommandLine(arguments, LocaleConventions(QLocale::system()), in,
                        out, err);
}

}  // namespace eurolire

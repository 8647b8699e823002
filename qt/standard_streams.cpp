#include "qt/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <QLocale>
#include <cerrno>
#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

#include "cli/byte_streams.h"
#include "cli/command_line.h"
#include "qt/locale_conventions.h"

namespace eurolire {
namespace {

class FileInput : public ByteInput {
 public:
  // Closes `descriptor` with itself when `owned`.
  explicit FileInput(int descriptor, bool owned = false)
      : descriptor_(descriptor), owned_(owned) {}
  ~FileInput() override {
    if (owned_) ::close(descriptor_);
  }
  FileInput(const FileInput&) = delete;
  FileInput& operator=(const FileInput&) = delete;

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
  bool owned_;
};

class NamedFiles : public ByteFiles {
 public:
  std::unique_ptr<ByteInput> Open(std::string_view name) override {
    const int descriptor =
        ::open(std::string(name).c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return nullptr;
    return std::make_unique<FileInput>(descriptor, true);
  }
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
  NamedFiles files;
  return RunCommandLine(arguments, LocaleConventions(QLocale::system()), in,
                        out, err, files);
}

}  // namespace eurolire

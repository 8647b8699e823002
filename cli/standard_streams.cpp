#include "cli/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "cli/command_line.h"
#include "cli/locale_conventions.h"

namespace eurolire {
namespace {

// Files named on the command line, opened as they are read.
class NamedFiles : public ByteFiles {
 public:
  std::unique_ptr<ByteInput> Open(std::string_view name) override {
    return FileInput::Open(std::string(name).c_str());
  }
};

}  // namespace

std::unique_ptr<FileInput> FileInput::Open(const char* path) {
  int descriptor;
  do {
    descriptor = ::open(path, O_RDONLY | O_CLOEXEC);
  } while (descriptor < 0 && errno == EINTR);
  if (descriptor < 0) return nullptr;
  return std::unique_ptr<FileInput>(new FileInput(descriptor, true));
}

FileInput::~FileInput() {
  if (owned_) ::close(descriptor_);
}

std::optional<std::size_t> FileInput::Read(char* buffer, std::size_t size) {
  for (;;) {
    const ssize_t read = ::read(descriptor_, buffer, size);
    if (read >= 0) return static_cast<std::size_t>(read);
    // A signal's handler ran before anything was read.
    if (errno != EINTR) return std::nullopt;
  }
}

FileOutput::FileOutput(int descriptor)
    : descriptor_(descriptor), interactive_(isatty(descriptor) == 1) {}

bool FileOutput::Write(std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

int RunCommandLineOn(const std::vector<std::string_view>& arguments,
                     const StandardHandles& handles) {
  FileInput in(handles.in);
  FileOutput out(handles.out);
  FileOutput err(handles.err);
  NamedFiles files;
  std::optional<NumberConventions> conventions = LocaleConventions();
  if (!conventions) {
    // Amounts read in the wrong conventions convert wrongly ("1.000" would
    // be one lira), so the user is told which ones are used.
    err.Write("eurolire: il locale " + std::string(NumericLocaleName()) +
              " non è installato: gli importi si leggono e si scrivono con "
              "il punto decimale e senza separatore delle migliaia\n");
    conventions = NumberConventions{".", ""};
  }
  return RunCommandLine(arguments, *conventions, in, out, err, files,
                        EUROLIRE_WINDOW_PROGRAM);
}

}  // namespace eurolire

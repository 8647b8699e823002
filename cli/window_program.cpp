#include "cli/window_program.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <string>

#include "cli/arguments.h"
#include "cli/command_line.h"
#include "cli/standard_streams.h"

namespace eurolire {
namespace {

// "-name" or "--name".
bool IsOption(std::string_view argument, std::string_view name) {
  if (argument.starts_with("--")) {
    argument.remove_prefix(2);
  } else if (argument.starts_with('-')) {
    argument.remove_prefix(1);
  } else {
    return false;
  }
  return argument == name;
}

// Where this program's own file is, with a "/" at the end; "" when it
// cannot be told (no /proc).
std::string OwnFolder() {
  std::string path(PATH_MAX, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) {
    return {};
  }
  path.resize(static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

std::string_view Reason(int error) {
  switch (error) {
    case ENOENT:
      return "il file non esiste";
    case EACCES:
      return "permesso negato";
    default:
      return "errore di sistema";
  }
}

}  // namespace

DisplayEnvironment ProcessDisplayEnvironment() {
  const auto value = [](const char* name) -> std::string_view {
    const char* found = std::getenv(name);
    return found ? found : "";
  };
  return {value("DISPLAY"), value("WAYLAND_DISPLAY"), value("QT_QPA_PLATFORM")};
}

bool CanShowWindow(const std::vector<std::string_view>& arguments,
                   const DisplayEnvironment& environment) {
  std::string_view platforms = environment.qt_qpa_platform;
  bool x_server = !environment.display.empty();
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
    if (IsOption(arguments[i], "platform")) platforms = arguments[i + 1];
    if (IsOption(arguments[i], "display")) x_server = true;
  }
  const bool compositor = !environment.wayland_display.empty();
  if (platforms.empty()) return x_server || compositor;
  while (!platforms.empty()) {
    const std::size_t end = std::min(platforms.find(';'), platforms.size());
    const std::string_view platform =
        platforms.substr(0, std::min(platforms.find(':'), end));
    platforms.remove_prefix(std::min(end + 1, platforms.size()));
    if (platform == "xcb") {
      if (x_server) return true;
    } else if (platform.starts_with("wayland")) {
      if (compositor) return true;
    } else if (!platform.empty()) {
      return true;
    }
  }
  return false;
}

std::optional<int> RunUnlessWindow(int argc, char* argv[]) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  if (WantsCommandLine(arguments)) return RunCommandLineOn(arguments, {});
  // Qt would leave it to the window program to report, which would need a
  // display first.
  if (HasUnknownLongOption(arguments)) {
    return RunCommandLineOn(WithoutQtOptions(arguments), {});
  }
  if (CanShowWindow(arguments, ProcessDisplayEnvironment())) {
    return std::nullopt;
  }
  // Qt would abort, in English, and dump core.
  FileOutput(STDERR_FILENO).Write(kNoWindowMessage);
  return kExitNotConverted;
}

int StartWindowProgram(char* argv[]) {
  const std::string folder = OwnFolder();
  const std::string program = folder + EUROLIRE_WINDOW_PROGRAM;
  // Without its own folder, the one that PATH finds.
  if (folder.empty()) {
    execvp(program.c_str(), argv);
  } else {
    execv(program.c_str(), argv);
  }
  FileOutput(STDERR_FILENO)
      .Write("eurolire: impossibile avviare " + program + ": " +
             std::string(Reason(errno)) + "\n");
  return kExitNotConverted;
}

}  // namespace eurolire

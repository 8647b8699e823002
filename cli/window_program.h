// The window program, which the Linux command line starts when it is given
// no arguments of its own: found beside it, and run in its place, with the
// same arguments, only where a window can be shown.
#ifndef EUROLIRE_CLI_WINDOW_PROGRAM_H_
#define EUROLIRE_CLI_WINDOW_PROGRAM_H_

#include <optional>
#include <string_view>
#include <vector>

namespace eurolire {

// The environment variables that say where a window would be shown.
struct DisplayEnvironment {
  std::string_view display;          // DISPLAY, an X server
  std::string_view wayland_display;  // WAYLAND_DISPLAY, a compositor
  std::string_view qt_qpa_platform;  // QT_QPA_PLATFORM, Qt's platform
};

// The process's own.
DisplayEnvironment ProcessDisplayEnvironment();

// True when the window could be shown with these arguments (without the
// program's name) in `environment`. Qt's platform is the value of
// "-platform" (one dash or two), else QT_QPA_PLATFORM, a list separated by
// ";" of which any one will do, each a name with options after ":". "xcb"
// needs an X server (DISPLAY, or a "-display" argument), "wayland..." a
// compositor (WAYLAND_DISPLAY); any other platform ("offscreen", "eglfs",
// "vnc") needs neither. With no platform chosen, Qt takes whichever of the
// two there is.
bool CanShowWindow(const std::vector<std::string_view>& arguments,
                   const DisplayEnvironment& environment);

// What both Linux programs say on standard error, in place of Qt's abort,
// when no window can be shown: none of the displays a platform needs is
// named, or the one named cannot be opened.
inline constexpr std::string_view kNoWindowMessage =
    "eurolire: non c'è uno schermo su cui aprire la finestra (si veda "
    "DISPLAY, WAYLAND_DISPLAY o QT_QPA_PLATFORM).\n"
    "Per convertire senza finestra: eurolire --euro IMPORTO o eurolire "
    "--lire IMPORTO; 'eurolire --help' dice il resto.\n";

// What both Linux programs do with their arguments before anything of the
// window: runs the command line when the arguments are its own
// (`WantsCommandLine`) or hold a mistake it reports
// (`HasUnknownLongOption`), or says on standard error that no window can be
// shown (`CanShowWindow`). Returns the exit status then, std::nullopt when
// the window is to be started.
std::optional<int> RunUnlessWindow(int argc, char* argv[]);

// Replaces this process with the window program beside this program's own
// file, given `argv` (the program's name first, as this process had it),
// and so returns only when that fails: then it says why on standard error
// and returns the exit status for it.
int StartWindowProgram(char* argv[]);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_WINDOW_PROGRAM_H_

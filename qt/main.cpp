// The euro-lire converter's window program: starts Form1 and runs until it
// is closed, or, given the command line's arguments, converts amounts in the
// terminal as eurolire does.
#include <QApplication>
#include <QLocale>
#include <optional>
#include <string>

#include "cli/command_line.h"
#include "cli/standard_streams.h"
#include "cli/window_program.h"
#include "qt/form1.h"
#include "qt/locale_conventions.h"
#include "qt/platform_failure.h"
#include "qt/qt_translation.h"
#include "qt/startup_probe.h"
#include "qt/web_link.h"

int main(int argc, char* argv[]) {
  // Before QApplication, which needs a display, as the command line does
  // before it starts this program.
  if (const std::optional<int> status = eurolire::RunUnlessWindow(argc, argv)) {
    return *status;
  }

  // A display named but not there, or a platform Qt does not have, is known
  // only once Qt tries it.
  std::optional<eurolire::PlatformFailureReport> platform_failure(
      std::in_place, std::string(eurolire::kNoWindowMessage),
      eurolire::kExitNotConverted);
  QApplication app(argc, argv);
  platform_failure.reset();
  // Qt has taken its own options out of argv: the rest are unknown.
  if (argc > 1) return eurolire::RunCommandLineOn({argv + 1, argv + argc}, {});
  // Lets the desktop match the window to eurolire.desktop and its icon. No
  // application display name: Qt would append it to the window's title.
  QGuiApplication::setDesktopFileName(QStringLiteral("it.morvek.eurolire"));
  eurolire::InstallQtTranslation(app);
  if (eurolire::StartupProbeWanted()) eurolire::InstallStartupProbe(app);

  eurolire::Form1 form(
      eurolire::LocaleConventions(QLocale::system()),
      {.label3_click = eurolire::OpenSiteAddress, .report_error = {}});
  form.show();
  return app.exec();
}

// The euro-lire converter: starts Form1 and runs until it is closed, or,
// asked on the command line, converts amounts in the terminal.
#include <QApplication>
#include <QLocale>
#include <string_view>
#include <vector>

#include "qt/arguments.h"
#include "qt/form1.h"
#include "qt/locale_conventions.h"
#include "qt/qt_translation.h"
#include "qt/standard_streams.h"
#include "qt/startup_probe.h"
#include "qt/web_link.h"

int main(int argc, char* argv[]) {
  // Before QApplication, which would need a display.
  if (const std::vector<std::string_view> arguments(argv + 1, argv + argc);
      eurolire::WantsCommandLine(arguments)) {
    return eurolire::RunCommandLineOn(arguments, {});
  }

  QApplication app(argc, argv);
  // Qt has taken its own options out of argv: the rest are unknown.
  if (argc > 1) return eurolire::RunCommandLineOn({argv + 1, argv + argc}, {});
  // Lets the desktop match the window to eurolire.desktop and its icon. No
  // application display name: Qt would append it to the window's title.
  QGuiApplication::setDesktopFileName(QStringLiteral("it.morvek.eurolire"));
  eurolire::InstallQtTranslation(app);
  if (eurolire::StartupProbeWanted()) eurolire::InstallStartupProbe(app);

  eurolire::Form1 form(eurolire::LocaleConventions(QLocale::system()),
                       {.label3_click = eurolire::OpenSiteAddress,
                        .report_error = {},
                        .before_handler = {}});
  form.show();
  return app.exec();
}

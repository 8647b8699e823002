// The euro-lire converter: starts Form1 and runs until it is closed.
#include <QApplication>
#include <QLocale>

#include "app/error_report.h"
#include "app/qt_translation.h"
#include "app/startup_probe.h"
#include "app/web_link.h"
#include "window/form1.h"
#include "window/locale_conventions.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Lets the desktop match the window to eurolire.desktop and its icon. No
  // application display name: Qt would append it to the window's title.
  QGuiApplication::setDesktopFileName(QStringLiteral("it.morvek.eurolire"));
  eurolire::InstallQtTranslation(app);
  if (eurolire::StartupProbeWanted()) eurolire::InstallStartupProbe(app);

  eurolire::Form1 form(eurolire::ConventionsOf(QLocale::system()),
                       {.label3_click = eurolire::OpenSiteAddress,
                        .report_error = eurolire::ReportRunTimeError,
                        .before_handler = {}});
  form.show();
  return app.exec();
}

#include "qt/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace eurolire {

bool InstallQtTranslation(QCoreApplication& app) {
  auto* translator = new QTranslator(&app);
  // Tries each of the locale's UI languages in turn (it_IT, then it, ...).
  if (!translator->load(QLocale::system(), QStringLiteral("qtbase"),
                        QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace eurolire

// Qt's own texts (a field's context menu, a message box's buttons) in the
// user's language, from the standard "qtbase" catalogue in Qt's translations
// folder. The program's own texts are Italian whatever the language.
#ifndef EUROLIRE_QT_QT_TRANSLATION_H_
#define EUROLIRE_QT_QT_TRANSLATION_H_

class QCoreApplication;

namespace eurolire {

// Installs the catalogue for the system locale's languages into `app`.
// Returns false, and leaves Qt's texts in English, when there is none to
// load (none installed, or English, which needs none).
bool InstallQtTranslation(QCoreApplication& app);

}  // namespace eurolire

#endif  // EUROLIRE_QT_QT_TRANSLATION_H_

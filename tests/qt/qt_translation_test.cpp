// Qt's own texts follow the user's language, as a field's context menu shows.
// CTest runs this once per LANG in the table.
#include "qt/qt_translation.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <map>
#include <memory>

class QtTranslationTest : public QObject {
  Q_OBJECT

 private slots:
  void contextMenuInTheUserLanguage() {
    const std::map<QString, QStringList> expected = {
        {"it_IT.UTF-8",
         // Qt's Italian catalogue says "Rifai" for Redo.
         {"Annulla", "Rifai", "Taglia", "Copia", "Incolla", "Elimina",
          "Seleziona tutto"}},
        {"en_GB.UTF-8",
         {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"}},
    };
    const QString lang = qEnvironmentVariable("LANG");
    const auto found = expected.find(lang);
    QVERIFY2(found != expected.end(), qPrintable("no row for LANG=" + lang));
    // English is Qt's own language: its catalogue may hold nothing to load.
    eurolire::InstallQtTranslation(*qApp);

    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      // "&Annulla\tCtrl+Z": the words without accelerator or shortcut.
      texts << action->text().section('\t', 0, 0).remove('&');
    }
    QCOMPARE(texts, found->second);
  }
};

QTEST_MAIN(QtTranslationTest)
#include "qt_translation_test.moc"

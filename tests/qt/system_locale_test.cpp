// The program's number conventions come from QLocale::system(), which reads
// LANG itself: the conventions hold even where the C library has no locales
// generated. CTest runs this once per LANG in the table.
#include <QLocale>
#include <QTest>
#include <map>
#include <string>
#include <utility>

#include "qt/locale_conventions.h"

class SystemLocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void conventionsFollowLang() {
    const std::map<QString, std::pair<std::string, std::string>> expected = {
        {"it_IT.UTF-8", {",", "."}},
        {"en_GB.UTF-8", {".", ","}},
    };
    const QString lang = qEnvironmentVariable("LANG");
    const auto found = expected.find(lang);
    QVERIFY2(found != expected.end(), qPrintable("no row for LANG=" + lang));
    const eurolire::NumberConventions conventions =
        eurolire::LocaleConventions(QLocale::system());
    QCOMPARE(conventions.decimal_separator, found->second.first);
    QCOMPARE(conventions.grouping_separator, found->second.second);
  }
};

QTEST_GUILESS_MAIN(SystemLocaleTest)
#include "system_locale_test.moc"

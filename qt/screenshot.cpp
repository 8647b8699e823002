// Draws the picture of the window that the README shows: Form1 after 12 has
// been typed into the euro field, saved as a PNG to the path given.
// Run with QT_QPA_PLATFORM=offscreen and LANG=it_IT.UTF-8 (see the
// `screenshot` target in qt/CMakeLists.txt).
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <cstdio>

#include "qt/form1.h"
#include "qt/locale_conventions.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
    return 2;
  }
  eurolire::Form1 form(eurolire::LocaleConventions(QLocale::system()), {});
  form.show();
  if (!QTest::qWaitForWindowActive(&form)) return 1;
  QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("Euro")),
                   QStringLiteral("12"));
  return form.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}

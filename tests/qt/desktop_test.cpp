// The window on a real X display (Qt's xcb platform under Xvfb), started by
// x11_session.sh with no window manager or with openbox, and typed into by
// xdotool as a user would: the keys go wherever the X server sends them, so
// a window that never takes the keyboard fails here.
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "qt/form1.h"
#include "tests/form/handler_log.h"

namespace eurolire {

class DesktopTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Form1> ShowForm() {
    Form1Hooks hooks;
    auto form = std::make_unique<Form1>(NumberConventions{",", "."}, hooks);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
    return form;
  }

  static bool Xdotool(const QStringList& arguments) {
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
  }

  // The window's property as xprop prints it.
  static QString Property(const QWidget& window, const char* name) {
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-id"), QString::number(window.winId()),
                 QString::fromLatin1(name)});
    xprop.waitForFinished();
    return QString::fromLocal8Bit(xprop.readAllStandardOutput()).trimmed();
  }

  static bool WithWindowManager() {
    return qEnvironmentVariable("EUROLIRE_TEST_WM") != "none";
  }

  // The converter's handlers as they ran.
  std::vector<std::string>& log_ = testing::HandlerLog();

 private slots:
  void init() { log_.clear(); }

  void typingRightAfterTheStartConverts() {
    auto form = ShowForm();
    QVERIFY(form);
    QVERIFY(Xdotool({"type", "--delay", "20", "12"}));
    QTRY_COMPARE(form->Text(Field::Lire), "23.235,24");
    QCOMPARE(form->Text(Field::Euro), "12");
    QCOMPARE(std::count(log_.begin(), log_.end(), "Euro_GotFocus"), 1);
    // Tab reaches the converter too: typing in LIRE converts back.
    QVERIFY(Xdotool({"key", "Tab"}));
    QTRY_COMPARE(form->wiring().converter().ActiveField(), Field::Lire);
    QVERIFY(Xdotool({"type", "--delay", "20", "1000"}));
    QTRY_COMPARE(form->Text(Field::Euro), "0,52");
    QCOMPARE(form->Text(Field::Lire), "1000");
  }

  void frameIsCentredOnTheScreen() {
    auto form = ShowForm();
    QVERIFY(form);
    const QRect available = form->screen()->availableGeometry();
    const auto centred = [&form, &available] {
      const QPoint offset = form->frameGeometry().center() - available.center();
      return std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1;
    };
    QTRY_VERIFY(centred());
    if (WithWindowManager()) {
      // Framed, and the frame is what is centred.
      QVERIFY(form->frameGeometry().height() > form->height());
      QVERIFY(form->geometry().center().y() > available.center().y());
    }
    QCOMPARE(form->size(), QSize(468, 145));
  }

  void noMaximizeButton() {
    auto form = ShowForm();
    QVERIFY(form);
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(form->windowFlags() & Qt::WindowCloseButtonHint);
    // What window managers read: Motif hints flags, functions, decorations.
    // The maximize function is 0x10, the maximize button 0x40.
    const QString hints = Property(*form, "_MOTIF_WM_HINTS");
    const QStringList fields = hints.section('=', 1).split(',');
    QVERIFY2(fields.size() >= 3, qPrintable(hints));
    bool ok = false;
    const uint functions = fields[1].trimmed().toUInt(&ok, 16);
    QVERIFY2(ok, qPrintable(hints));
    const uint decorations = fields[2].trimmed().toUInt(&ok, 16);
    QVERIFY2(ok, qPrintable(hints));
    // Bit 0 would mean "all functions but those named".
    QVERIFY2(!(functions & 0x1) && !(functions & 0x10), qPrintable(hints));
    QVERIFY2(!(decorations & 0x1), qPrintable(hints));
    QVERIFY2(!(decorations & 0x40), qPrintable(hints));
    if (WithWindowManager()) {
      QVERIFY(!Property(*form, "_NET_WM_ALLOWED_ACTIONS").contains("MAXIMIZE"));
    }
  }
};

}  // namespace eurolire

QTEST_MAIN(eurolire::DesktopTest)
#include "desktop_test.moc"

// Pastes what no one should type into the real window: megabytes of digits
// or letters, control and bidirectional characters, combining marks, emoji,
// numbers hundreds of digits long. The program must not crash or hang, the
// pasted text must stay as pasted, the other field must be emptied or
// converted as for any text, and the window must go on converting.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <vector>

#include "converter/converter.h"
#include "qt/form1.h"

namespace eurolire {

class HostileInputTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Form1> ShowForm() {
    Form1Hooks hooks;
    hooks.report_error = [this](const RunTimeError& error) {
      reports_.push_back(error.Number());
    };
    auto form = std::make_unique<Form1>(NumberConventions{",", "."}, hooks);
    form->show();
    if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
    return form;
  }

  static QLineEdit* Box(const Form1& form, const QString& name) {
    return form.findChild<QLineEdit*>(name);
  }

  static void Paste(QLineEdit* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    box->setFocus();
    box->selectAll();
    QTest::keySequence(box, QKeySequence::Paste);
  }

  std::vector<int> reports_;

 private slots:
  void init() { reports_.clear(); }

  void pasteKeepsTheTextAndEmptiesOrConverts_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("other");  // the other field afterwards

    const QString huge_digits(1 << 20, QChar('7'));
    const QString huge_letters(1 << 20, QChar('a'));
    const QString with_nul = QStringLiteral("12") + QChar(0) + "34";
    const QString right_to_left = QString::fromUtf8("\u200F12\u200F");
    const QString combining = QString::fromUtf8("1\u03012");
    const QString emoji = QString::fromUtf8("12\U0001F600");
    // 400 digits: beyond the range of a double, so not a number.
    const QString long_number = "1" + QString(399, QChar('0'));
    // 400 digits that are a number: 0,111... euro, 215,14 lire.
    const QString long_fraction = "0," + QString(398, QChar('1'));

    for (const QString& field :
         {QStringLiteral("Euro"), QStringLiteral("Lire")}) {
      const QByteArray tag = field.toUtf8() + ": ";
      QTest::newRow(tag + "1 MiB of digits") << field << huge_digits << "";
      QTest::newRow(tag + "1 MiB of letters") << field << huge_letters << "";
      QTest::newRow(tag + "NUL") << field << with_nul << "";
      QTest::newRow(tag + "right-to-left marks")
          << field << right_to_left << "";
      QTest::newRow(tag + "combining accent") << field << combining << "";
      QTest::newRow(tag + "emoji") << field << emoji << "";
      QTest::newRow(tag + "400-digit number") << field << long_number << "";
    }
    QTest::newRow("Euro: 400-digit fraction")
        << "Euro" << long_fraction << "215,14";
    QTest::newRow("Lire: 400-digit fraction")
        << "Lire" << long_fraction << "0,00";
  }

  void pasteKeepsTheTextAndEmptiesOrConverts() {
    QFETCH(QString, field);
    QFETCH(QString, pasted);
    QFETCH(QString, other);
    auto form = ShowForm();
    QVERIFY(form);
    QLineEdit* box = Box(*form, field);
    QLineEdit* other_box =
        Box(*form, field == "Euro" ? QStringLiteral("Lire") : "Euro");

    box->setFocus();
    QTest::keyClicks(box, "12");
    QVERIFY(!other_box->text().isEmpty());

    Paste(box, pasted);
    QCOMPARE(box->text().size(), pasted.size());
    QVERIFY(box->text() == pasted);
    QCOMPARE(other_box->text(), other);
    QVERIFY(reports_.empty());

    // The window goes on converting.
    box->selectAll();
    QTest::keyClicks(box, "1");
    QCOMPARE(other_box->text(),
             field == "Euro" ? QStringLiteral("1.936,27") : "0,00");
  }

  void hugeProductIsReportedAndTheWindowGoesOn() {
    auto form = ShowForm();
    QVERIFY(form);
    QLineEdit* euro = Box(*form, "Euro");
    QLineEdit* lire = Box(*form, "Lire");
    QTest::keyClicks(euro, "12");
    const QString huge = "1" + QString(305, QChar('0'));
    Paste(euro, huge);
    QCOMPARE(euro->text(), huge);
    QCOMPARE(lire->text(), QStringLiteral("23.235,24"));
    QTRY_COMPARE(reports_, std::vector<int>{6});
    Paste(euro, QStringLiteral("2"));
    QCOMPARE(lire->text(), QStringLiteral("3.872,54"));
  }
};

}  // namespace eurolire

QTEST_MAIN(eurolire::HostileInputTest)
#include "hostile_input_test.moc"

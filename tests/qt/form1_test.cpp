// Drives the real converter window with QTest: its look (geometry, fonts,
// colours sampled from a grab), the cases every window passes over its view
// (tests/form/window_cases.txt), focus and tab order, the web link and the
// real error report.
#include "qt/form1.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "qt/locale_conventions.h"
#include "qt/web_link.h"
#include "tests/form/handler_log.h"
#include "tests/form/window_cases.h"

namespace eurolire {
namespace {

const NumberConventions kItalian{",", "."};

constexpr std::string_view kWindowCases =
#include "window_cases.inc"
    ;

std::string Joined(const std::vector<std::string>& lines) {
  std::string joined;
  for (const std::string& line : lines) joined += "\n" + line;
  return joined;
}

// The window as the shared cases drive it, typed into with QTest.
class QtWindow : public testing::WindowDriver {
 public:
  QtWindow() {
    Form1Hooks hooks;
    hooks.report_error = [this](const RunTimeError&) { ++reports_; };
    form_ = std::make_unique<Form1>(kItalian, std::move(hooks));
    form_->show();
    // Inactive, it gets no keys, and the cases say where.
    static_cast<void>(QTest::qWaitForWindowActive(form_.get()));
  }

  void Type(const std::string& keys) override {
    QTest::keyClicks(Focus(), QString::fromStdString(keys));
  }
  void Backspace() override { QTest::keyClick(Focus(), Qt::Key_Backspace); }
  void SelectAll() override {
    QTest::keyClick(Focus(), Qt::Key_A, Qt::ControlModifier);
  }
  void Cut() override {
    QTest::keyClick(Focus(), Qt::Key_X, Qt::ControlModifier);
  }
  void Paste(const std::string& text) override {
    QApplication::clipboard()->setText(QString::fromStdString(text));
    QTest::keyClick(Focus(), Qt::Key_V, Qt::ControlModifier);
  }
  void Tab() override { QTest::keyClick(Focus(), Qt::Key_Tab); }
  void Set(Field field, const std::string& text) override {
    form_->SetText(field, text);
  }
  void CloseReport() override { form_->wiring().ReportClosed(); }
  void Pump() override { QCoreApplication::processEvents(); }
  std::string Text(Field field) override { return form_->Text(field); }
  std::vector<std::string> TakeLog() override {
    return std::exchange(log_, {});
  }
  int Reports() override { return reports_; }

 private:
  static QWidget* Focus() { return QApplication::focusWidget(); }

  std::unique_ptr<Form1> form_;
  // The converter's handlers as they ran.
  std::vector<std::string>& log_ = testing::HandlerLog();
  int reports_ = 0;
};

// Receives the URLs that QDesktopServices would hand to a browser.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> urls;

 public slots:
  void Open(const QUrl& url) { urls.push_back(url); }
};

int CountYellow(const QImage& image, const QRect& area) {
  int yellow = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.red() > 200 && c.green() > 200 && c.blue() < 80) ++yellow;
    }
  }
  return yellow;
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private:
  // A window whose hooks record what they are given; `link` replaces the
  // web link; with `real_report` the window shows its own report box.
  std::unique_ptr<Form1> MakeForm(NumberConventions conventions = kItalian,
                                  std::function<void()> link = {},
                                  bool real_report = false) {
    Form1Hooks hooks;
    hooks.label3_click = link ? std::move(link) : [this] { ++clicks_; };
    if (!real_report) {
      hooks.report_error = [this](const RunTimeError& e) {
        reports_.push_back(e.Number());
      };
    }
    return std::make_unique<Form1>(std::move(conventions), std::move(hooks));
  }

  std::unique_ptr<Form1> ShowForm() {
    auto form = MakeForm();
    form->show();
    if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
    log_.clear();
    return form;
  }

  static QLineEdit* Box(const Form1& form, const char* name) {
    return form.findChild<QLineEdit*>(QString::fromLatin1(name));
  }

  int Count(std::string_view handler) const {
    return static_cast<int>(std::count(log_.begin(), log_.end(), handler));
  }

  // The converter's handlers as they ran.
  std::vector<std::string>& log_ = testing::HandlerLog();
  std::vector<int> reports_;
  int clicks_ = 0;

 private slots:
  void init() {
    log_.clear();
    reports_.clear();
    clicks_ = 0;
  }

  void startUpLoadsThenShowsCentredWithFocusInEuro() {
    auto form = MakeForm();
    // Loaded before it is shown: the rate is set, no field had the focus.
    QCOMPARE(log_, std::vector<std::string>{"Form_Load"});
    QCOMPARE(form->wiring().converter().Rate().scaled, 19'362'700);
    QVERIFY(!form->wiring().converter().ActiveField().has_value());

    form->show();
    // Before any activation, which comes later through the event queue: the
    // first show alone gives Euro the focus, as where no window manager
    // ever activates the window.
    QCOMPARE(log_, (std::vector<std::string>{"Form_Load", "Euro_GotFocus"}));
    QCOMPARE(form->wiring().converter().ActiveField(), Field::Euro);
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    // The activation's focus-in is the same focus, not a second one.
    QCOMPARE(log_, (std::vector<std::string>{"Form_Load", "Euro_GotFocus"}));
    QCOMPARE(form->wiring().converter().ActiveField(), Field::Euro);
    QCOMPARE(QApplication::focusWidget(), Box(*form, "Euro"));
    QCOMPARE(form->Text(Field::Euro), "");
    QCOMPARE(form->Text(Field::Lire), "");
    QCOMPARE(form->windowTitle(),
             QStringLiteral("Convertitore Euro/Lire .....by Morvek"));
    QCOMPARE(form->objectName(), QStringLiteral("Form1"));

    const QRect available = form->screen()->availableGeometry();
    QCOMPARE(form->size(), QSize(468, 145));
    QVERIFY(std::abs(form->geometry().center().x() - available.center().x()) <=
            1);
    QVERIFY(std::abs(form->geometry().center().y() - available.center().y()) <=
            1);
  }

  void iconIsA35By32OpaqueYellowEuroOnWhite() {
    auto form = MakeForm();
    QVERIFY(!form->windowIcon().isNull());
    const QImage icon(QStringLiteral(":/eurolire/eurolire.png"));
    QCOMPARE(icon.size(), QSize(35, 32));
    QVERIFY(!icon.hasAlphaChannel());
    QCOMPARE(icon.pixelColor(0, 0), QColor(Qt::white));
    QVERIFY(CountYellow(icon, icon.rect()) > 40);
    int dark = 0;
    for (int y = 0; y < icon.height(); ++y) {
      for (int x = 0; x < icon.width(); ++x) {
        if (icon.pixelColor(x, y).lightness() < 80) ++dark;
      }
    }
    QVERIFY(dark > 40);
  }

  void controlsAtStoredGeometryInStoredOrder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::newRow("Lire") << "Lire" << QRect(112, 80, 321, 37) << "";
    QTest::newRow("Euro") << "Euro" << QRect(112, 28, 321, 37) << "";
    QTest::newRow("Label3") << "Label3" << QRect(198, 186, 160, 13) << "Label3";
    QTest::newRow("Label2") << "Label2" << QRect(24, 84, 77, 29) << "LIRE";
    QTest::newRow("Label1") << "Label1" << QRect(24, 32, 85, 29) << "EURO";
  }
  void controlsAtStoredGeometryInStoredOrder() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    auto form = MakeForm();
    auto* control = form->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto* label = qobject_cast<QLabel*>(control)) {
      QCOMPARE(label->text(), text);
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    } else {
      QCOMPARE(qobject_cast<QLineEdit*>(control)->text(), text);
    }
    QStringList order;
    for (const QObject* child : form->children()) {
      if (child->isWidgetType()) order << child->objectName();
    }
    QCOMPARE(order,
             (QStringList{"Lire", "Euro", "Label3", "Label2", "Label1"}));
  }

  void fontsAndColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");
    QTest::newRow("Euro") << "Euro" << 18.0;
    QTest::newRow("Lire") << "Lire" << 18.0;
    QTest::newRow("Label1") << "Label1" << 21.75;
    QTest::newRow("Label2") << "Label2" << 21.75;
  }
  void fontsAndColours() {
    QFETCH(QString, name);
    QFETCH(qreal, points);
    auto form = MakeForm();
    auto* control = form->findChild<QWidget*>(name);
    QCOMPARE(control->font().family(), QStringLiteral("Arial"));
    QCOMPARE(control->font().pointSizeF(), points);
    QCOMPARE(control->font().weight(), QFont::Bold);
    // Arial itself, or a font with its metrics: another fallback would not
    // fit the stored geometry.
    const QString used = QFontInfo(control->font()).family();
    QVERIFY2(used == "Arial" || used == "Liberation Sans", qPrintable(used));
    if (qobject_cast<QLabel*>(control)) {
      QCOMPARE(control->palette().color(QPalette::WindowText),
               QColor(255, 255, 0));
      QVERIFY(!control->autoFillBackground());
    }
  }

  void label3HasDefaultLookAndStaysOutOfView() {
    auto form = ShowForm();
    QVERIFY(form);
    auto* label3 = form->findChild<QLabel*>(QStringLiteral("Label3"));
    QCOMPARE(label3->font(), QApplication::font());
    QVERIFY(label3->autoFillBackground());
    QCOMPARE(label3->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Window));
    QCOMPARE(form->minimumSize(), QSize(468, 145));
    QCOMPARE(form->maximumSize(), QSize(468, 145));
    QVERIFY(label3->visibleRegion().isEmpty());
    // Only a client area taller than Label3's top would show it.
    form->setFixedSize(468, 200);
    QVERIFY(!label3->visibleRegion().isEmpty());
  }

  void grabShowsGreyBackgroundAndYellowCaptions() {
    auto form = ShowForm();
    QVERIFY(form);
    const QImage image = form->grab().toImage();
    QCOMPARE(image.size() / image.devicePixelRatio(), QSize(468, 145));
    const qreal dpr = image.devicePixelRatio();
    for (const QPoint& point :
         {QPoint(2, 2), QPoint(465, 142), QPoint(450, 70), QPoint(60, 130)}) {
      QCOMPARE(image.pixelColor(point * dpr), QColor(64, 64, 64));
    }
    for (const char* caption : {"Label1", "Label2"}) {
      const QRect area = form->findChild<QLabel*>(caption)->geometry();
      const QRect pixels(area.topLeft() * dpr, area.size() * dpr);
      QVERIFY2(CountYellow(image, pixels) > 100, caption);
    }
    // The fields keep the platform's own (light) base colour.
    const QRect euro = Box(*form, "Euro")->geometry();
    QVERIFY(
        image.pixelColor((euro.center() + QPoint(100, 0)) * dpr).lightness() >
        150);
  }

  void accessibleNamesAndBuddies() {
    auto form = MakeForm();
    for (const char* name : {"Euro", "Lire"}) {
      QLineEdit* field = Box(*form, name);
      QCOMPARE(field->accessibleName(), QString::fromLatin1(name));
      QVERIFY(!field->accessibleDescription().isEmpty());
    }
    QCOMPARE(form->findChild<QLabel*>("Label1")->buddy(), Box(*form, "Euro"));
    QCOMPARE(form->findChild<QLabel*>("Label2")->buddy(), Box(*form, "Lire"));
  }

  void tabAndShiftTabMoveBetweenFieldsOnly() {
    auto form = ShowForm();
    QVERIFY(form);
    struct Step {
      Qt::KeyboardModifiers modifiers;
      const char* focus;
      const char* handler;
      Field active;
    };
    const Step steps[] = {
        {Qt::NoModifier, "Lire", "Lire_GotFocus", Field::Lire},
        {Qt::NoModifier, "Euro", "Euro_GotFocus", Field::Euro},
        {Qt::ShiftModifier, "Lire", "Lire_GotFocus", Field::Lire},
        {Qt::ShiftModifier, "Euro", "Euro_GotFocus", Field::Euro},
    };
    for (const Step& step : steps) {
      log_.clear();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, step.modifiers);
      QCOMPARE(QApplication::focusWidget(), Box(*form, step.focus));
      QCOMPARE(log_, std::vector<std::string>{step.handler});
      QCOMPARE(form->wiring().converter().ActiveField(), step.active);
    }
    // Moving the focus changes no text.
    QCOMPARE(form->Text(Field::Euro), "");
    QCOMPARE(form->Text(Field::Lire), "");
  }

  void mouseClickIntoAFieldRaisesItsFocusEvent() {
    auto form = ShowForm();
    QVERIFY(form);
    QTest::mouseClick(Box(*form, "Lire"), Qt::LeftButton);
    QCOMPARE(log_, std::vector<std::string>{"Lire_GotFocus"});
    QCOMPARE(form->wiring().converter().ActiveField(), Field::Lire);
    // A caption never takes the focus.
    QTest::mouseClick(form->findChild<QLabel*>("Label1"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Box(*form, "Lire"));
    log_.clear();
    QTest::mouseClick(Box(*form, "Euro"), Qt::LeftButton);
    QCOMPARE(log_, std::vector<std::string>{"Euro_GotFocus"});
    QCOMPARE(form->wiring().converter().ActiveField(), Field::Euro);
  }

  // The cases every window passes (tests/form/window_cases.txt).
  void windowCases() {
    const std::vector<std::string> failures = testing::RunWindowCases(
        kWindowCases, [] { return std::make_unique<QtWindow>(); });
    QVERIFY2(failures.empty(), Joined(failures).c_str());
  }

  void undoIsOneChange() {
    auto form = ShowForm();
    QVERIFY(form);
    QLineEdit* euro = Box(*form, "Euro");
    QTest::keyClicks(euro, "123");
    log_.clear();
    QTest::keyClick(euro, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(euro->text(), "");
    QCOMPARE(Count("Euro_Change"), 1);
  }

  void keypadDecimalKeyTypesTheLocaleSeparator_data() {
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("grouping");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("lire");
    QTest::newRow("italian, keypad dot")
        << ","
        << "." << int(Qt::Key_Period) << "2.904,41";
    QTest::newRow("italian, keypad comma")
        << ","
        << "." << int(Qt::Key_Comma) << "2.904,41";
    QTest::newRow("english, keypad comma")
        << "."
        << "," << int(Qt::Key_Comma) << "2,904.41";
  }
  void keypadDecimalKeyTypesTheLocaleSeparator() {
    QFETCH(QString, decimal);
    QFETCH(QString, grouping);
    QFETCH(int, key);
    QFETCH(QString, lire);
    auto form = MakeForm({decimal.toStdString(), grouping.toStdString()});
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QLineEdit* euro = Box(*form, "Euro");
    QTest::keyClick(euro, Qt::Key_1);
    QTest::keyClick(euro, Qt::Key(key), Qt::KeypadModifier);
    QTest::keyClick(euro, Qt::Key_5);
    QCOMPARE(euro->text(), "1" + decimal + "5");
    QCOMPARE(QString::fromStdString(form->Text(Field::Lire)), lire);
    // The same key in the lire field.
    QTest::keyClick(euro, Qt::Key_Tab);
    QLineEdit* field = Box(*form, "Lire");
    QTest::keyClick(field, Qt::Key_2);
    QTest::keyClick(field, Qt::Key(key), Qt::KeypadModifier);
    QCOMPARE(field->text(), "2" + decimal);
    // The main keyboard's key still types itself.
    QTest::keyClick(field, Qt::Key(key));
    QCOMPARE(field->text(), "2" + decimal + QChar(key));
  }

  void fieldsTakeTextOfAnyLength() {
    auto form = ShowForm();
    QVERIFY(form);
    const QString long_text(40'000, QChar('x'));
    QApplication::clipboard()->setText(long_text);
    QTest::keyClick(Box(*form, "Euro"), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Box(*form, "Euro")->text().size(), long_text.size());
    form->SetText(Field::Lire, long_text.toStdString() + "y");
    QCOMPARE(form->Text(Field::Lire).size(), 40'001u);
  }

  void realErrorReportOpensOneItalianBoxAtATimeWithoutBlocking() {
    auto form = MakeForm(kItalian, {}, true);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QLineEdit* euro = Box(*form, "Euro");
    QTest::keyClicks(euro, "1" + QString(305, QChar('0')));
    const auto open_boxes = [&form] {
      return form->findChildren<QMessageBox*>().size();
    };
    QCOMPARE(open_boxes(), 0);
    QTRY_COMPARE(open_boxes(), 1);
    auto* box = form->findChild<QMessageBox*>();
    QTRY_VERIFY(box->isVisible());
    QVERIFY(box->text().contains("overflow"));
    QCOMPARE(box->windowModality(), Qt::WindowModal);
    // A second fault while the report is open adds no second box.
    QTest::keyClick(euro, Qt::Key_0);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(open_boxes(), 1);
    box->button(QMessageBox::Ok)->click();
    QTRY_COMPARE(open_boxes(), 0);
    QVERIFY(form->isVisible());
    // Once it is closed, the next fault has its box.
    QTest::keyClick(euro, Qt::Key_0);
    QTRY_COMPARE(open_boxes(), 1);
  }

  void label3DoubleClickIsOneClick() {
    auto form = MakeForm();
    auto* label3 = form->findChild<QLabel*>("Label3");
    const QPoint at = label3->rect().center();
    QTest::mousePress(label3, Qt::LeftButton, {}, at);
    QTest::mouseRelease(label3, Qt::LeftButton, {}, at);
    QMouseEvent double_click(QEvent::MouseButtonDblClick, at,
                             label3->mapToGlobal(at), Qt::LeftButton,
                             Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(label3, &double_click);
    QTest::mouseRelease(label3, Qt::LeftButton, {}, at);
    QCOMPARE(clicks_, 1);
    QTest::mouseClick(label3, Qt::LeftButton, {}, at);
    QCOMPARE(clicks_, 2);
  }

  void linkWithNoBrowserIsReportedAndTheWindowGoesOn() {
    // The offscreen platform has no browser to start; elsewhere a real one
    // might open.
    if (QGuiApplication::platformName() != "offscreen") {
      QSKIP("needs the offscreen platform");
    }
    auto form = MakeForm(kItalian, OpenSiteAddress);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClicks(Box(*form, "Euro"), "12");
    QTest::mouseClick(form->findChild<QLabel*>("Label3"), Qt::LeftButton);
    QTRY_COMPARE(reports_, std::vector<int>{kFileNotFoundNumber});
    QCOMPARE(form->Text(Field::Euro), "12");
    QCOMPARE(form->Text(Field::Lire), "23.235,24");
  }

  void otherExceptionsAreReportedNotThrownIntoQt_data() {
    QTest::addColumn<int>("thrown");  // 0: std::bad_alloc, 1: logic_error
    QTest::addColumn<int>("number");
    QTest::newRow("out of memory") << 0 << kOutOfMemoryNumber;
    QTest::newRow("anything else") << 1 << kInternalErrorNumber;
  }
  void otherExceptionsAreReportedNotThrownIntoQt() {
    QFETCH(int, thrown);
    QFETCH(int, number);
    auto form = MakeForm(kItalian, [thrown] {
      if (thrown == 0) throw std::bad_alloc();
      throw std::logic_error("broken");
    });
    QTest::mouseClick(form->findChild<QLabel*>("Label3"), Qt::LeftButton);
    QVERIFY(reports_.empty());
    QTRY_COMPARE(reports_, std::vector<int>{number});
  }

  void label3ClickOpensTheSiteOnceAndChangesNothing() {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    QDesktopServices::setUrlHandler("http", &catcher, "Open");
    auto form = MakeForm(kItalian, OpenSiteAddress);
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClicks(Box(*form, "Euro"), "12");
    log_.clear();
    auto* label3 = form->findChild<QLabel*>("Label3");
    QTest::mouseClick(label3, Qt::RightButton);
    QVERIFY(catcher.urls.empty());
    QTest::mouseClick(label3, Qt::LeftButton);
    QCOMPARE(catcher.urls,
             std::vector<QUrl>{QUrl("https://www.ecb.europa.eu")});
    // A click runs no handler of the converter.
    QVERIFY(log_.empty());
    QCOMPARE(form->Text(Field::Euro), "12");
    QCOMPARE(form->Text(Field::Lire), "23.235,24");
    QCOMPARE(form->wiring().converter().ActiveField(), Field::Euro);
    QCOMPARE(form->wiring().converter().Rate().scaled, 19'362'700);
    QCOMPARE(QApplication::focusWidget(), Box(*form, "Euro"));
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::unsetUrlHandler("http");
  }

  void closingTheWindowEndsTheEventLoop() {
    auto form = ShowForm();
    QVERIFY(form);
    QSignalSpy last_closed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer::singleShot(0, form.get(), &QWidget::close);
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(last_closed.size(), 1);
  }

  void conventionsOfQtLocales_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("grouping");
    QTest::newRow("it_IT") << QLocale(QLocale::Italian, QLocale::Italy) << ","
                           << ".";
    QTest::newRow("en_GB") << QLocale(QLocale::English, QLocale::UnitedKingdom)
                           << "."
                           << ",";
    QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France) << ","
                           << QString(QChar(0x202F));
  }
  void conventionsOfQtLocales() {
    QFETCH(QLocale, locale);
    QFETCH(QString, decimal);
    QFETCH(QString, grouping);
    const NumberConventions conventions = LocaleConventions(locale);
    QCOMPARE(conventions.decimal_separator, decimal.toStdString());
    QCOMPARE(conventions.grouping_separator, grouping.toStdString());
  }
};

}  // namespace eurolire

QTEST_MAIN(eurolire::Form1Test)
#include "form1_test.moc"

#include "qt/form1.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QRect>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QWindow>
#include <utility>

#include "form/form1_design.h"
#include "qt/amount_field.h"
#include "qt/design.h"
#include "qt/error_report.h"

namespace eurolire {
namespace {

QLabel* MakeCaption(const design::Control& stored, QWidget* buddy,
                    QWidget* parent) {
  auto* caption = new QLabel(ToQString(stored.text), parent);
  caption->setObjectName(ToQString(stored.name));
  caption->setGeometry(ToQRect(stored.geometry));
  caption->setFont(ToQFont(design::kCaptionFont));
  // A label draws no background of its own, so the window's grey shows
  // behind it.
  QPalette palette = caption->palette();
  palette.setColor(QPalette::WindowText, ToQColor(design::kCaptionColour));
  caption->setPalette(palette);
  caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  caption->setBuddy(buddy);
  return caption;
}

// The object name doubles as the name a screen reader says.
AmountField* MakeField(const design::Control& stored,
                       std::string_view description,
                       const QString& decimal_separator, QWidget* parent) {
  auto* field = new AmountField(decimal_separator, parent);
  field->setObjectName(ToQString(stored.name));
  field->setGeometry(ToQRect(stored.geometry));
  field->setFont(ToQFont(design::kFieldFont));
  field->setAccessibleName(ToQString(stored.name));
  field->setAccessibleDescription(ToQString(description));
  return field;
}

}  // namespace

Form1::Form1(NumberConventions conventions, Form1Hooks hooks, QWidget* parent)
    : QWidget(parent), wiring_(*this, conventions, std::move(hooks)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(ToQString(design::kTitle));
  setWindowIcon(QIcon(QStringLiteral(":/eurolire/eurolire.png")));
  // paintEvent covers the whole client area.
  setAttribute(Qt::WA_OpaquePaintEvent);

  // The controls in the order the window description stores them.
  const QString decimal_separator =
      QString::fromStdString(conventions.decimal_separator);
  lire_ = MakeField(design::kLire, design::kLireDescription, decimal_separator,
                    this);
  euro_ = MakeField(design::kEuro, design::kEuroDescription, decimal_separator,
                    this);

  // Opaque, in the platform's font and colours; it lies below the client
  // area, so at the window's fixed size it is never seen.
  label3_ = new QLabel(ToQString(design::kLabel3.text), this);
  label3_->setObjectName(ToQString(design::kLabel3.name));
  label3_->setGeometry(ToQRect(design::kLabel3.geometry));
  label3_->setAutoFillBackground(true);
  label3_->installEventFilter(this);

  MakeCaption(design::kLabel2, lire_, this);
  MakeCaption(design::kLabel1, euro_, this);

  setTabOrder(euro_, lire_);
  euro_->setFocus();

  connect(euro_, &AmountField::GotFocus, this, [this](Qt::FocusReason reason) {
    // The first activation hands Euro the focus it was given when the
    // window was shown: not a new focus.
    if (std::exchange(start_focus_given_, false) &&
        reason == Qt::ActiveWindowFocusReason) {
      return;
    }
    wiring_.GotFocus(Field::Euro);
  });
  connect(lire_, &AmountField::GotFocus, this, [this] {
    start_focus_given_ = false;
    wiring_.GotFocus(Field::Lire);
  });
  // textChanged, unlike textEdited, is raised by setText too.
  connect(euro_, &QLineEdit::textChanged, this,
          [this] { wiring_.Change(Field::Euro); });
  connect(lire_, &QLineEdit::textChanged, this,
          [this] { wiring_.Change(Field::Lire); });

  // Fixed size, so no maximize button; minimize and close as usual.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(design::kClientWidth, design::kClientHeight);
  if (const QScreen* screen = this->screen()) {
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen->availableGeometry()));
  }

  wiring_.Load();
}

std::string Form1::Text(Field field) const {
  return FieldOf(field)->text().toStdString();
}

void Form1::ReplaceText(Field field, const std::string& text) {
  FieldOf(field)->setText(QString::fromStdString(text));
}

void Form1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // Asks for the keyboard: without a window manager nothing else would
  // activate the window, and an inactive window's fields get no focus-in,
  // so Tab would move the focus unseen by the converter.
  activateWindow();
  // The window gives Euro the focus as it is first shown, whether or not
  // the window is ever activated.
  start_focus_given_ = true;
  wiring_.GotFocus(Field::Euro);
  // The frame's size is known once the window manager has framed the
  // window, which it has by the first expose.
  if (QWindow* window = windowHandle()) window->installEventFilter(this);
}

bool Form1::CentreFrame() {
  const QScreen* screen = this->screen();
  const QSize frame = frameGeometry().size();
  if (!screen || frame == size()) return false;
  // `move` places the frame's top-left corner.
  move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, frame,
                           screen->availableGeometry())
           .topLeft());
  return true;
}

void Form1::CentreFrameOnceFramed(int tries) {
  // No frame (no window manager, or one that draws none) leaves the client
  // area centred already; a window manager slow to frame the window gets a
  // little time.
  if (CentreFrame() || tries <= 1) return;
  QTimer::singleShot(100, this,
                     [this, tries] { CentreFrameOnceFramed(tries - 1); });
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
  // Painted here rather than set in the palette, which the child controls
  // would inherit: Label3 and the fields keep the platform's colours.
  QPainter(this).fillRect(rect(), ToQColor(design::kBackground));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose &&
      windowHandle()->isExposed()) {
    windowHandle()->removeEventFilter(this);
    CentreFrameOnceFramed(5);
  }
  if (watched != label3_) return QWidget::eventFilter(watched, event);
  // A double click is one click: its second release opens nothing more.
  if (event->type() == QEvent::MouseButtonDblClick) {
    label3_double_click_ = true;
  } else if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && !label3_double_click_ &&
        label3_->rect().contains(mouse->position().toPoint())) {
      wiring_.Label3_Click();
    }
    label3_double_click_ = false;
  }
  return QWidget::eventFilter(watched, event);
}

AmountField* Form1::FieldOf(Field field) const {
  return field == Field::Euro ? euro_ : lire_;
}

void Form1::ScheduleReport() {
  QMetaObject::invokeMethod(
      this, [this] { wiring_.ReportPending(); }, Qt::QueuedConnection);
}

void Form1::ShowReport(const RunTimeError& error) {
  ReportRunTimeError(*this, error, [this] { wiring_.ReportClosed(); });
}

}  // namespace eurolire

#include "window/form1.h"

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
#include <exception>
#include <new>
#include <utility>

#include "window/amount_field.h"

namespace eurolire {
namespace {

QFont ArialBold(qreal point_size) {
  // Asked for by name: where Arial is missing, fontconfig substitutes
  // Liberation Sans, which has Arial's metrics.
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(point_size);
  font.setWeight(QFont::Bold);
  return font;
}

QLabel* MakeCaption(const QString& text, const QRect& geometry,
                    QWidget* parent) {
  auto* caption = new QLabel(text, parent);
  caption->setGeometry(geometry);
  caption->setFont(ArialBold(21.75));
  // A label draws no background of its own, so the window's grey shows
  // behind it.
  QPalette palette = caption->palette();
  palette.setColor(QPalette::WindowText, QColor(255, 255, 0));
  caption->setPalette(palette);
  caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return caption;
}

// The object name doubles as the name a screen reader says.
AmountField* MakeField(const QString& name, const QString& description,
                       const QRect& geometry, const QString& decimal_separator,
                       QWidget* parent) {
  auto* field = new AmountField(decimal_separator, parent);
  field->setObjectName(name);
  field->setGeometry(geometry);
  field->setFont(ArialBold(18));
  field->setAccessibleName(name);
  field->setAccessibleDescription(description);
  return field;
}

}  // namespace

Form1::Form1(NumberConventions conventions, Hooks hooks, QWidget* parent)
    : QWidget(parent),
      hooks_(std::move(hooks)),
      converter_(*this, conventions) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Convertitore Euro/Lire .....by Morvek"));
  setWindowIcon(QIcon(QStringLiteral(":/eurolire/eurolire.png")));
  // paintEvent covers the whole client area.
  setAttribute(Qt::WA_OpaquePaintEvent);

  // The controls in the order the window description stores them.
  const QString decimal_separator =
      QString::fromStdString(conventions.decimal_separator);
  lire_ = MakeField(QStringLiteral("Lire"),
                    QStringLiteral("Importo in lire italiane"),
                    QRect(112, 80, 321, 37), decimal_separator, this);
  euro_ = MakeField(QStringLiteral("Euro"), QStringLiteral("Importo in euro"),
                    QRect(112, 28, 321, 37), decimal_separator, this);

  // Opaque, in the platform's font and colours; it lies below the client
  // area, so at the window's fixed size it is never seen.
  label3_ = new QLabel(QStringLiteral("Label3"), this);
  label3_->setObjectName(QStringLiteral("Label3"));
  label3_->setGeometry(198, 186, 160, 13);
  label3_->setAutoFillBackground(true);
  label3_->installEventFilter(this);

  QLabel* label2 =
      MakeCaption(QStringLiteral("LIRE"), QRect(24, 84, 77, 29), this);
  label2->setObjectName(QStringLiteral("Label2"));
  label2->setBuddy(lire_);

  QLabel* label1 =
      MakeCaption(QStringLiteral("EURO"), QRect(24, 32, 85, 29), this);
  label1->setObjectName(QStringLiteral("Label1"));
  label1->setBuddy(euro_);

  setTabOrder(euro_, lire_);
  euro_->setFocus();

  connect(euro_, &AmountField::GotFocus, this, [this] {
    Handle("Euro_GotFocus", [this] { converter_.Euro_GotFocus(); });
  });
  connect(lire_, &AmountField::GotFocus, this, [this] {
    Handle("Lire_GotFocus", [this] { converter_.Lire_GotFocus(); });
  });
  // textChanged, unlike textEdited, is raised by setText too.
  connect(euro_, &QLineEdit::textChanged, this, [this] {
    Handle("Euro_Change", [this] { converter_.Euro_Change(); });
  });
  connect(lire_, &QLineEdit::textChanged, this, [this] {
    Handle("Lire_Change", [this] { converter_.Lire_Change(); });
  });

  setFixedSize(468, 145);
  if (const QScreen* screen = this->screen()) {
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen->availableGeometry()));
  }

  Handle("Form_Load", [this] { converter_.Form_Load(); });
}

std::string Form1::Text(Field field) const {
  return FieldOf(field)->text().toStdString();
}

void Form1::SetText(Field field, const std::string& text) {
  AmountField* box = FieldOf(field);
  const QString new_text = QString::fromStdString(text);
  // The same text is no change, and must raise nothing, whatever QLineEdit
  // would do with it.
  if (box->text() == new_text) return;
  box->setText(new_text);
}

void Form1::paintEvent(QPaintEvent* /*event*/) {
  // Painted here rather than set in the palette, which the child controls
  // would inherit: Label3 and the fields keep the platform's colours.
  QPainter(this).fillRect(rect(), QColor(64, 64, 64));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched != label3_) return QWidget::eventFilter(watched, event);
  // A double click is one click: its second release opens nothing more.
  if (event->type() == QEvent::MouseButtonDblClick) {
    label3_double_click_ = true;
  } else if (event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && !label3_double_click_ &&
        label3_->rect().contains(mouse->position().toPoint())) {
      Label3_Click();
    }
    label3_double_click_ = false;
  }
  return QWidget::eventFilter(watched, event);
}

AmountField* Form1::FieldOf(Field field) const {
  return field == Field::Euro ? euro_ : lire_;
}

void Form1::Handle(std::string_view name,
                   const std::function<void()>& handler) {
  if (hooks_.before_handler) hooks_.before_handler(name);
  // An exception must not cross a Qt signal emission or the event loop, so
  // every one ends here, as a run-time error if it is not one already.
  try {
    handler();
  } catch (const RunTimeError& error) {
    ReportLater(error);
  } catch (const std::bad_alloc&) {
    ReportLater(RunTimeError(kOutOfMemoryNumber, "out of memory"));
  } catch (const std::exception& error) {
    ReportLater(RunTimeError(kInternalErrorNumber, error.what()));
  }
}

void Form1::ReportLater(const RunTimeError& error) {
  // A dialog shown from inside a change handler would run a nested loop with
  // the fields half-updated: report once everything has unwound.
  QMetaObject::invokeMethod(
      this,
      [this, error] {
        if (hooks_.report_error) hooks_.report_error(*this, error);
      },
      Qt::QueuedConnection);
}

void Form1::Label3_Click() {
  Handle("Label3_Click", [this] {
    if (hooks_.label3_click) hooks_.label3_click();
  });
}

}  // namespace eurolire

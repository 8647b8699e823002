#include "qt/amount_field.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <limits>
#include <utility>

namespace eurolire {

AmountField::AmountField(QString decimal_separator, QWidget* parent)
    : QLineEdit(parent), decimal_separator_(std::move(decimal_separator)) {
  // QLineEdit cuts text at 32767 characters unless told otherwise.
  setMaxLength(std::numeric_limits<int>::max());
}

void AmountField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  emit GotFocus(event->reason());
}

void AmountField::keyPressEvent(QKeyEvent* event) {
  // The keypad's decimal key sends "." or "," by keyboard layout, not by the
  // number locale: an Italian keyboard sends ".", which would then read as a
  // grouping separator.
  const bool keypad_decimal =
      (event->modifiers() & Qt::KeypadModifier) &&
      (event->key() == Qt::Key_Period || event->key() == Qt::Key_Comma);
  if (keypad_decimal && !isReadOnly()) {
    insert(decimal_separator_);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

}  // namespace eurolire

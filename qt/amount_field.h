// An amount field of the converter window: a one-line text box that tells
// when it receives the focus, takes text of any length, and types the
// locale's decimal separator from the numeric keypad's decimal key.
#ifndef EUROLIRE_QT_AMOUNT_FIELD_H_
#define EUROLIRE_QT_AMOUNT_FIELD_H_

#include <QLineEdit>
#include <QString>

namespace eurolire {

class AmountField : public QLineEdit {
  Q_OBJECT

 public:
  // `decimal_separator` is what the keypad's decimal key types.
  AmountField(QString decimal_separator, QWidget* parent);

 signals:
  // Raised on every focus-in, whatever moved the focus (the window being
  // activated, Tab, Shift+Tab, a click); `reason` says which.
  void GotFocus(Qt::FocusReason reason);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QString decimal_separator_;
};

}  // namespace eurolire

#endif  // EUROLIRE_QT_AMOUNT_FIELD_H_

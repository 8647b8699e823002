// Form1, the converter window: the two amount fields with their captions at
// their stored geometry, fonts and colours, their events handed to the
// window's wiring (form/form1_wiring.h). It guarantees that every change of a
// field's text, and every focus-in, reaches the wiring.
#ifndef EUROLIRE_QT_FORM1_H_
#define EUROLIRE_QT_FORM1_H_

#include <QWidget>
#include <string>

#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "form/form1_wiring.h"

class QLabel;

namespace eurolire {

class AmountField;

class Form1 : public QWidget, public Form1Wiring::Window {
  Q_OBJECT

 public:
  // Builds the window and its controls and raises the load event, so the
  // converter is ready before the window is first shown. The fields read and
  // write amounts by `conventions`. The window lands centred on the
  // available area of its screen, frame and all once a window manager has
  // framed it; it has no maximize button. Showing it the first time gives
  // Euro the focus (and raises Euro_GotFocus) even where no window manager
  // activates it.
  Form1(NumberConventions conventions, Form1Hooks hooks,
        QWidget* parent = nullptr);

  // The view: `Text` is the field's current text, as UTF-8; `SetText` is
  // the view's.
  std::string Text(Field field) const override;

  Form1Wiring& wiring() { return wiring_; }
  const Form1Wiring& wiring() const { return wiring_; }

 protected:
  // The first show gives Euro the focus and asks for activation.
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ReplaceText(Field field, const std::string& text) override;
  // Later is a queued call, which the event loop makes once everything has
  // unwound; it is dropped with the window.
  void ScheduleReport() override;
  // A message box that returns at once (no nested event loop).
  void ShowReport(const RunTimeError& error) override;
  AmountField* FieldOf(Field field) const;
  // Moves the window so that its frame, not only its client area, is
  // centred on the available area of its screen; false, moving nothing,
  // while no frame is known.
  bool CentreFrame();
  // CentreFrame, tried again a few times a tenth of a second apart while no
  // frame is known.
  void CentreFrameOnceFramed(int tries);

  Form1Wiring wiring_;
  AmountField* lire_;
  AmountField* euro_;
  QLabel* label3_;
  // Set by a double click on Label3, whose second release is no new click.
  bool label3_double_click_ = false;
  bool shown_ = false;
  // True from the first show until the first focus-in of a field.
  bool start_focus_given_ = false;
};

}  // namespace eurolire

#endif  // EUROLIRE_QT_FORM1_H_

// Form1, the converter window: the two amount fields with their captions at
// their stored geometry, fonts and colours, and the wiring of their events to
// the converter. It is the converter's `ConverterView` and guarantees that
// every change of a field's text, and every focus-in, reaches the converter,
// and that no run-time error of a handler escapes into Qt.
#ifndef EUROLIRE_QT_FORM1_H_
#define EUROLIRE_QT_FORM1_H_

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "converter/converter.h"
#include "converter/number_text.h"
#include "converter/run_time_error.h"
#include "form/handler_runner.h"

class QLabel;

namespace eurolire {

class AmountField;

class Form1 : public QWidget,
              public ConverterView,
              private HandlerRunner::FrontEnd {
  Q_OBJECT

 public:
  // What the window asks of its program.
  struct Hooks {
    // Runs on a click on `Label3`.
    std::function<void()> label3_click;
    // Reports a run-time error that abandoned a handler, the first one
    // before the event loop had the control back. Always called from the
    // event loop, after the handler chain that raised it has unwound.
    std::function<void(QWidget& window, const RunTimeError& error)>
        report_error;
    // Optional: called with a handler's name just before the handler runs.
    std::function<void(std::string_view handler)> before_handler;
  };

  // Builds the window and its controls and raises the load event, so the
  // converter is ready before the window is first shown. The fields read and
  // write amounts by `conventions`. The window lands centred on the
  // available area of its screen, frame and all once a window manager has
  // framed it; it has no maximize button. Showing it the first time gives
  // Euro the focus (and raises Euro_GotFocus) even where no window manager
  // activates it.
  Form1(NumberConventions conventions, Hooks hooks, QWidget* parent = nullptr);

  // ConverterView: `Text` is the field's current text, as UTF-8; `SetText`
  // is the view's.
  std::string Text(Field field) const override;

  const Converter& converter() const { return converter_; }

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
  void ShowReport(const RunTimeError& error) override;
  AmountField* FieldOf(Field field) const;
  // Runs one handler; a run-time error abandons it and is reported once the
  // event loop has the control back.
  void Handle(std::string_view name, const std::function<void()>& handler);
  // Moves the window so that its frame, not only its client area, is
  // centred on the available area of its screen; false, moving nothing,
  // while no frame is known.
  bool CentreFrame();
  // CentreFrame, tried again a few times a tenth of a second apart while no
  // frame is known.
  void CentreFrameOnceFramed(int tries);
  void Euro_GotFocus();
  void Label3_Click();

  Hooks hooks_;
  HandlerRunner handlers_;
  Converter converter_;
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

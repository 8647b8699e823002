// The floor for the start-up benchmark: a bare Qt window with the same five
// controls as Form1, at the same geometry and fonts, and no logic.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "form/form1_design.h"
#include "qt/design.h"
#include "qt/startup_probe.h"

namespace {

using eurolire::ToQFont;
using eurolire::ToQRect;
using eurolire::ToQString;
namespace design = eurolire::design;

template <typename Control>
Control* Place(const design::Control& stored, QWidget* window) {
  auto* control = new Control(window);
  control->setGeometry(ToQRect(stored.geometry));
  return control;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (eurolire::StartupProbeWanted()) eurolire::InstallStartupProbe(app);

  QWidget window;
  window.setWindowTitle(ToQString(design::kTitle));
  Place<QLineEdit>(design::kLire, &window)
      ->setFont(ToQFont(design::kFieldFont));
  auto* euro = Place<QLineEdit>(design::kEuro, &window);
  euro->setFont(ToQFont(design::kFieldFont));
  Place<QLabel>(design::kLabel3, &window)
      ->setText(ToQString(design::kLabel3.text));
  for (const design::Control* caption : {&design::kLabel2, &design::kLabel1}) {
    auto* label = Place<QLabel>(*caption, &window);
    label->setText(ToQString(caption->text));
    label->setFont(ToQFont(design::kCaptionFont));
  }

  euro->setFocus();
  window.setFixedSize(design::kClientWidth, design::kClientHeight);
  window.show();
  return app.exec();
}

// The floor for the start-up benchmark: a bare Qt window with the same five
// controls as Form1, at the same geometry and fonts, and no logic.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "app/startup_probe.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (eurolire::StartupProbeWanted()) eurolire::InstallStartupProbe(app);

  QWidget window;
  window.setWindowTitle(
      QStringLiteral("Convertitore Euro/Lire .....by Morvek"));
  QFont field_font(QStringLiteral("Arial"));
  field_font.setPointSizeF(18);
  field_font.setWeight(QFont::Bold);
  QFont caption_font = field_font;
  caption_font.setPointSizeF(21.75);

  auto* lire = new QLineEdit(&window);
  lire->setGeometry(112, 80, 321, 37);
  lire->setFont(field_font);
  auto* euro = new QLineEdit(&window);
  euro->setGeometry(112, 28, 321, 37);
  euro->setFont(field_font);
  (new QLabel(QStringLiteral("Label3"), &window))
      ->setGeometry(198, 186, 160, 13);
  auto* label2 = new QLabel(QStringLiteral("LIRE"), &window);
  label2->setGeometry(24, 84, 77, 29);
  label2->setFont(caption_font);
  auto* label1 = new QLabel(QStringLiteral("EURO"), &window);
  label1->setGeometry(24, 32, 85, 29);
  label1->setFont(caption_font);

  euro->setFocus();
  window.setFixedSize(468, 145);
  window.show();
  return app.exec();
}

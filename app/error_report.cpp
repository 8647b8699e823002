#include "app/error_report.h"

#include <QMessageBox>
#include <QWidget>

namespace eurolire {

QString ErrorReportText(const RunTimeError& error) {
  QString fault;
  switch (error.Number()) {
    case 6:
      fault = QStringLiteral(
          "overflow.\nL'importo convertito supera il numero più grande che "
          "il programma sa calcolare.");
      break;
    case 11:
      fault = QStringLiteral("divisione per zero.");
      break;
    case 13:
      fault =
          QStringLiteral("tipo non corrispondente.\nIl testo non è un numero.");
      break;
    default:
      fault = QStringLiteral("errore imprevisto.");
      break;
  }
  return QStringLiteral(
             "Errore di run-time %1: %2\n\nLa conversione è stata "
             "annullata; i campi sono rimasti come erano.")
      .arg(error.Number())
      .arg(fault);
}

void ReportRunTimeError(QWidget& window, const RunTimeError& error) {
  // Typing on after one fault usually meets the same fault again: one box at
  // a time is enough.
  const QString name = QStringLiteral("ErrorReport");
  if (window.findChild<QMessageBox*>(name, Qt::FindDirectChildrenOnly)) return;
  auto* box = new QMessageBox(QMessageBox::Warning,
                              QStringLiteral("Convertitore Euro/Lire"),
                              ErrorReportText(error), QMessageBox::Ok, &window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setObjectName(name);
  box->open();
}

}  // namespace eurolire

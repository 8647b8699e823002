#include "app/error_report.h"

#include <QMessageBox>
#include <QWidget>

namespace eurolire {

QString ErrorReportText(const RunTimeError& error) {
  QString fault;
  switch (error.Number()) {
    case kOverflowNumber:
      fault = QStringLiteral(
          "overflow.\nL'importo convertito supera il numero più grande che "
          "il programma sa calcolare.");
      break;
    case kOutOfMemoryNumber:
      fault = QStringLiteral("memoria esaurita.");
      break;
    case kDivisionByZeroNumber:
      fault = QStringLiteral("divisione per zero.");
      break;
    case kFileNotFoundNumber:
      fault = QStringLiteral(
          "file non trovato.\nNon è stato possibile aprire il sito nel "
          "browser.");
      break;
    case kTypeMismatchNumber:
      fault =
          QStringLiteral("tipo non corrispondente.\nIl testo non è un numero.");
      break;
    default:
      fault = QStringLiteral("errore imprevisto.");
      break;
  }
  return QStringLiteral(
             "Errore di run-time %1: %2\n\nL'operazione è stata "
             "annullata; i campi sono rimasti come erano.")
      .arg(error.Number())
      .arg(fault);
}

void ReportRunTimeError(QWidget& window, const RunTimeError& error) {
  // Typing on after one fault usually meets the same fault again: one box at
  // a time is enough.
  const QString name = QStringLiteral("ErrorReport");
  // A box closed by the user lingers until its deferred delete: it does not
  // count as open.
  const auto* open =
      window.findChild<QMessageBox*>(name, Qt::FindDirectChildrenOnly);
  if (open && open->isVisible()) return;
  auto* box = new QMessageBox(QMessageBox::Warning,
                              QStringLiteral("Convertitore Euro/Lire"),
                              ErrorReportText(error), QMessageBox::Ok, &window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setObjectName(name);
  box->open();
}

}  // namespace eurolire

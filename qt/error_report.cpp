#include "qt/error_report.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include "form/error_text.h"

namespace eurolire {

void ReportRunTimeError(QWidget& window, const RunTimeError& error) {
  // Typing on after one fault usually meets the same fault again: one box at
  // a time is enough.
  const QString name = QStringLiteral("ErrorReport");
  // A box closed by the user lingers until its deferred delete: it does not
  // count as open.
  const auto* open =
      window.findChild<QMessageBox*>(name, Qt::FindDirectChildrenOnly);
  if (open && open->isVisible()) return;
  auto* box = new QMessageBox(
      QMessageBox::Warning,
      QString::fromUtf8(kErrorReportTitle.data(), kErrorReportTitle.size()),
      QString::fromStdString(ErrorReportText(error)), QMessageBox::Ok, &window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setObjectName(name);
  box->open();
}

}  // namespace eurolire

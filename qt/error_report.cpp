#include "qt/error_report.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>
#include <utility>

#include "form/error_text.h"

namespace eurolire {

void ReportRunTimeError(QWidget& window, const RunTimeError& error,
                        std::function<void()> closed) {
  auto* box = new QMessageBox(
      QMessageBox::Warning,
      QString::fromUtf8(kErrorReportTitle.data(), kErrorReportTitle.size()),
      QString::fromStdString(ErrorReportText(error)), QMessageBox::Ok, &window);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setObjectName(QStringLiteral("ErrorReport"));
  QObject::connect(box, &QDialog::finished, &window, std::move(closed));
  box->open();
}

}  // namespace eurolire

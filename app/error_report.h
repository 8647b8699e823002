// The program's top-level error report: what the user sees when a run-time
// error abandoned a handler. The program goes on afterwards.
#ifndef EUROLIRE_APP_ERROR_REPORT_H_
#define EUROLIRE_APP_ERROR_REPORT_H_

#include <QString>

#include "converter/run_time_error.h"

class QWidget;

namespace eurolire {

// The Italian text that names the fault, e.g. for an overflow "Errore di
// run-time 6: overflow." followed by what it means for the user.
QString ErrorReportText(const RunTimeError& error);

// Opens a message box, modal to `window`, with `ErrorReportText`. It returns
// at once (no nested event loop); while one report is open, later errors add
// no second box.
void ReportRunTimeError(QWidget& window, const RunTimeError& error);

}  // namespace eurolire

#endif  // EUROLIRE_APP_ERROR_REPORT_H_

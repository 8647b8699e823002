// The program's top-level error report: what the user sees when a run-time
// error abandoned a handler. The program goes on afterwards.
#ifndef EUROLIRE_QT_ERROR_REPORT_H_
#define EUROLIRE_QT_ERROR_REPORT_H_

#include <functional>

#include "converter/run_time_error.h"

class QWidget;

namespace eurolire {

// Opens a message box, modal to `window`, with `ErrorReportText`
// (form/error_text.h), and returns at once (no nested event loop); `closed`
// runs once the user has closed the box.
void ReportRunTimeError(QWidget& window, const RunTimeError& error,
                        std::function<void()> closed);

}  // namespace eurolire

#endif  // EUROLIRE_QT_ERROR_REPORT_H_

// The program's top-level error report on Windows: what the user sees when a
// run-time error abandoned a handler. The program goes on afterwards.
#ifndef EUROLIRE_WIN32_ERROR_REPORT_H_
#define EUROLIRE_WIN32_ERROR_REPORT_H_

#include <windows.h>

#include "converter/run_time_error.h"

namespace eurolire {

// Shows a warning box, modal to `window`, titled `kErrorReportTitle` with
// `ErrorReportText`, and returns when the user has closed it.
void ReportRunTimeError(HWND window, const RunTimeError& error);

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_ERROR_REPORT_H_

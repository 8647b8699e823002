#include "win32/error_report.h"

#include "form/error_text.h"
#include "win32/wide_text.h"

namespace eurolire {

void ReportRunTimeError(HWND window, const RunTimeError& error) {
  MessageBoxW(window, Utf16(ErrorReportText(error)).c_str(),
              Utf16(kErrorReportTitle).c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace eurolire

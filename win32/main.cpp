// The euro-lire converter for Windows: starts Form1 and runs until it is
// closed.
#include <objbase.h>
#include <windows.h>

#include <exception>
#include <new>

#include "app/web_link.h"
#include "converter/run_time_error.h"
#include "win32/error_report.h"
#include "win32/form1.h"
#include "win32/locale_conventions.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/,
                    PWSTR /*command_line*/, int show_command) {
  // For the accessibility properties and the shell; a failure leaves the
  // window working without them.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  try {
    eurolire::Form1 form(instance, eurolire::UserLocaleConventions(),
                         {.label3_click = eurolire::OpenSiteAddress,
                          .report_error = eurolire::ReportRunTimeError,
                          .before_handler = {}});
    form.Show(show_command);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (form.PreTranslateMessage(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
  } catch (const std::bad_alloc&) {
    // No window to go on with: the report, then the end.
    eurolire::ReportRunTimeError(
        nullptr,
        eurolire::RunTimeError(eurolire::kOutOfMemoryNumber, "out of memory"));
  } catch (const std::exception& error) {
    eurolire::ReportRunTimeError(
        nullptr,
        eurolire::RunTimeError(eurolire::kInternalErrorNumber, error.what()));
  }
  return 1;
}

// The euro-lire converter for Windows: starts Form1 and runs until it is
// closed, or, given arguments, converts amounts as eurolire.com does.
#include <objbase.h>
#include <stdlib.h>
#include <windows.h>

#include <optional>

#include "converter/run_time_error.h"
#include "win32/error_report.h"
#include "win32/form1.h"
#include "win32/locale_conventions.h"
#include "win32/standard_streams.h"
#include "win32/web_link.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/,
                    PWSTR /*command_line*/, int show_command) {
  // The window takes no arguments: every one is the command line's, which
  // reports what it does not know, as the Linux program does once Qt has
  // taken its own options. The C runtime has split them already; shell32's
  // splitting would load shell32 at every start.
  if (__argc > 1) {
    return eurolire::RunCommandLineOn(eurolire::Utf8Arguments(__argc, __wargv),
                                      eurolire::WindowProgramHandles());
  }
  // For the accessibility properties and the shell; a failure leaves the
  // window working without them.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  int exit_code = 1;
  const std::optional<eurolire::RunTimeError> error =
      eurolire::CatchRunTimeError([instance, show_command, &exit_code] {
        eurolire::Form1 form(
            instance, eurolire::LocaleConventions(),
            {.label3_click = eurolire::OpenSiteAddress, .report_error = {}});
        form.Show(show_command);

        MSG message{};
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
          if (form.PreTranslateMessage(message)) continue;
          TranslateMessage(&message);
          DispatchMessageW(&message);
        }
        exit_code = static_cast<int>(message.wParam);
      });
  // Only the window's own making can fail here, handlers report their
  // errors themselves: no window to go on with, so the report, then the end.
  if (error) eurolire::ReportRunTimeError(nullptr, *error);
  return error ? 1 : exit_code;
}

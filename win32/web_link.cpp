// The web link on Windows: the declaration is app/web_link.h.
#include "app/web_link.h"

#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include "converter/run_time_error.h"
#include "win32/wide_text.h"

namespace eurolire {

void OpenSiteAddress() {
  // The shell may run handlers that need COM on this thread; it stays set up
  // for the program's life.
  static const HRESULT com = CoInitializeEx(
      nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  static_cast<void>(com);
  // The shell opens the address with the handler registered for its scheme,
  // the user's default browser, maximized and in front. No command line is
  // built: the address is the one argument.
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", Utf16(SiteAddress).c_str(), nullptr,
                    nullptr, SW_SHOWMAXIMIZED));
  if (result <= 32) {
    throw RunTimeError(kFileNotFoundNumber, "no browser could be started");
  }
}

}  // namespace eurolire

#include "win32/web_link.h"

#include <objbase.h>
#include <shellapi.h>
#include <windows.h>

#include "converter/run_time_error.h"
#include "form/site_address.h"
#include "win32/wide_text.h"

namespace eurolire {

void OpenSiteAddress() {
  // The shell may run handlers that need COM on this thread; it stays set up
  // for the program's life.
  static const HRESULT com = CoInitializeEx(
      nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  static_cast<void>(com);
  // The shell is loaded on the first click, from the system folder only:
  // loaded at start it would slow every start of the program.
  static const HMODULE shell =
      LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  const auto shell_execute =
      reinterpret_cast<decltype(&ShellExecuteW)>(reinterpret_cast<void (*)()>(
          shell ? GetProcAddress(shell, "ShellExecuteW") : nullptr));
  // The shell opens the address with the handler registered for its scheme,
  // the user's default browser, maximized and in front. No command line is
  // built: the address is the one argument.
  const auto result = shell_execute
                          ? reinterpret_cast<INT_PTR>(shell_execute(
                                nullptr, L"open", Utf16(SiteAddress).c_str(),
                                nullptr, nullptr, SW_SHOWMAXIMIZED))
                          : 0;
  if (result <= 32) {
    throw RunTimeError(kFileNotFoundNumber, "no browser could be started");
  }
}

}  // namespace eurolire

#include "win32/accessible_description.h"

// The GUIDs of the property service are defined here, not linked in.
#include <initguid.h>
#include <oleacc.h>

#include "win32/wide_text.h"

namespace eurolire {

bool SetAccessibleDescription(HWND control, std::string_view description) {
  IAccPropServices* services = nullptr;
  if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr,
                              CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                              reinterpret_cast<void**>(&services)))) {
    return false;
  }
  const HRESULT result = services->SetHwndPropStr(
      control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
      PROPID_ACC_DESCRIPTION, Utf16(description).c_str());
  services->Release();
  return SUCCEEDED(result);
}

}  // namespace eurolire

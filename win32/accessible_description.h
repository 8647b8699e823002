// What a screen reader says of a control beyond its name: its accessible
// description, through the system's accessibility property service.
#ifndef EUROLIRE_WIN32_ACCESSIBLE_DESCRIPTION_H_
#define EUROLIRE_WIN32_ACCESSIBLE_DESCRIPTION_H_

#include <windows.h>

#include <string_view>

namespace eurolire {

// Sets the accessible description of `control` to `description` (UTF-8).
// Needs COM on the calling thread; where the service is missing the control
// simply has no description. Returns whether it was set.
bool SetAccessibleDescription(HWND control, std::string_view description);

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_ACCESSIBLE_DESCRIPTION_H_

#include "win32/locale_conventions.h"

#include <windows.h>

#include <string>

#include "form/sound_conventions.h"
#include "win32/wide_text.h"

namespace eurolire {
namespace {

std::wstring UserLocaleText(LCTYPE type) {
  // A locale's separators are at most three characters and a NUL.
  wchar_t text[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 8) == 0) {
    return {};
  }
  return text;
}

}  // namespace

NumberConventions LocaleConventions() {
  return SoundConventions({Utf8(UserLocaleText(LOCALE_SDECIMAL)),
                           Utf8(UserLocaleText(LOCALE_STHOUSAND))});
}

}  // namespace eurolire

#include "win32/locale_conventions.h"

#include <windows.h>

#include <string>

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

NumberConventions UserLocaleConventions() {
  return ConventionsFromSeparators(UserLocaleText(LOCALE_SDECIMAL),
                                   UserLocaleText(LOCALE_STHOUSAND));
}

NumberConventions ConventionsFromSeparators(std::wstring_view decimal,
                                            std::wstring_view grouping) {
  NumberConventions conventions{Utf8(decimal), Utf8(grouping)};
  if (conventions.decimal_separator.empty()) {
    conventions.decimal_separator.push_back('.');
  }
  if (conventions.grouping_separator == conventions.decimal_separator) {
    conventions.grouping_separator.clear();
  }
  return conventions;
}

}  // namespace eurolire

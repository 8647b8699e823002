#include "win32/wide_text.h"

#include <windows.h>

#include <limits>
#include <new>

namespace eurolire {
namespace {

// The Windows conversions count in int; longer texts cannot be passed.
int CheckedLength(std::size_t size) {
  if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    throw std::bad_alloc();
  }
  return static_cast<int>(size);
}

}  // namespace

std::wstring Utf16(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = CheckedLength(utf8.size());
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring utf16(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, utf16.data(), size);
  return utf16;
}

std::string Utf8(std::wstring_view utf16) {
  if (utf16.empty()) return {};
  const int length = CheckedLength(utf16.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length,
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

}  // namespace eurolire

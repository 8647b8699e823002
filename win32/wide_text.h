// Text between the converter's UTF-8 and the Windows API's UTF-16.
#ifndef EUROLIRE_WIN32_WIDE_TEXT_H_
#define EUROLIRE_WIN32_WIDE_TEXT_H_

#include <string>
#include <string_view>

namespace eurolire {

// UTF-8 to UTF-16. Bytes that are not UTF-8 become U+FFFD each.
std::wstring Utf16(std::string_view utf8);

// UTF-16 to UTF-8. A lone surrogate, which no UTF-8 text can hold, becomes
// U+FFFD; every other text round-trips: Utf16(Utf8(text)) == text.
std::string Utf8(std::wstring_view utf16);

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_WIDE_TEXT_H_

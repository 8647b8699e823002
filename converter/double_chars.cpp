#include "converter/double_chars.h"

#if defined(__cpp_lib_to_chars) && !defined(EUROLIRE_CHARCONV_FALLBACK)

namespace eurolire {

std::from_chars_result ReadDouble(const char* first, const char* last,
                                  double& value, std::chars_format format) {
  return std::from_chars(first, last, value, format);
}

const char* WriteScientific(char* first, char* last, double value,
                            int precision) {
  return std::to_chars(first, last, value, std::chars_format::scientific,
                       precision)
      .ptr;
}

}  // namespace eurolire

#else

#include <fast_float/fast_float.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <system_error>

namespace eurolire {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

// The core reads fixed texts, and general ones only to read back what
// WriteScientific wrote.
std::from_chars_result ReadDouble(const char* first, const char* last,
                                  double& value, std::chars_format format) {
  double read = 0;
  auto [end, error] = fast_float::from_chars(
      first, last, read,
      format == std::chars_format::fixed ? fast_float::chars_format::fixed
                                         : fast_float::chars_format::general);
  // fast_float rounds a number beyond the range of a double to infinity,
  // and one too small for it to zero, without an error: the standard call
  // reports both out of range. Only "inf" and "nan" have no digits.
  std::string_view number(first, end - first);
  number = number.substr(0, number.find_first_of("eE"));
  if (error == std::errc() &&
      ((std::isinf(read) &&
        number.find_first_of("0123456789") != std::string_view::npos) ||
       (read == 0 &&
        number.find_first_of("123456789") != std::string_view::npos))) {
    error = std::errc::result_out_of_range;
  }
  // Like the standard call, a failed read leaves `value` alone.
  if (error == std::errc()) value = read;
  return {end, error};
}

const char* WriteScientific(char* first, char* last, double value,
                            int precision) {
  // printf rounds correctly to the precision asked, as to_chars does.
  const int size = std::snprintf(first, last - first, "%.*e", precision, value);
  if (size < 0 || size >= last - first) return last;
  char* end = first + size;
  // But it writes the decimal point of the C locale in force, which a
  // program that called setlocale may have made a comma, or several bytes:
  // put back the "." that to_chars writes.
  if (precision == 0) return end;  // no point written
  char* point = std::find_if_not(first + (*first == '-'), end, IsDigit);
  char* fraction = std::find(point, end, 'e') - precision;
  *point = '.';
  std::memmove(point + 1, fraction, end - fraction);
  return point + 1 + (end - fraction);
}

}  // namespace eurolire

#endif

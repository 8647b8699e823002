#include "converter/double_chars.h"

#if defined(__cpp_lib_to_chars)

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

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <system_error>

namespace eurolire {

// The C library's calls. Where the C++ library lacks the standard ones
// (emscripten's), the C library is musl, which reads and writes "." as the
// decimal point in every locale and rounds correctly both ways. Callers pass
// plain decimal text, which strtod reads as from_chars would.
std::from_chars_result ReadDouble(const char* first, const char* last,
                                  double& value, std::chars_format) {
  const std::string text(first, last);
  char* end = nullptr;
  errno = 0;
  const double read = std::strtod(text.c_str(), &end);
  const char* stop = first + (end - text.c_str());
  if (stop == first) return {first, std::errc::invalid_argument};
  // ERANGE comes with infinity, or with zero or a subnormal for tiny
  // numbers: only the subnormals are values from_chars gives.
  if (errno == ERANGE && (std::isinf(read) || read == 0)) {
    return {stop, std::errc::result_out_of_range};
  }
  value = read;
  return {stop, std::errc()};
}

const char* WriteScientific(char* first, char* last, double value,
                            int precision) {
  const int size = std::snprintf(first, static_cast<std::size_t>(last - first),
                                 "%.*e", precision, value);
  return size < 0 || size >= last - first ? last : first + size;
}

}  // namespace eurolire

#endif

// Doubles to and from plain decimal text ("-12.5", "1.5e+03") for the rest
// of the core: the standard library's from_chars and to_chars where it has
// them for double, otherwise (emscripten's C++ library) the C library's
// strtod and snprintf, whose decimal point there no locale moves.
#ifndef EUROLIRE_CONVERTER_DOUBLE_CHARS_H_
#define EUROLIRE_CONVERTER_DOUBLE_CHARS_H_

#include <charconv>

namespace eurolire {

// As std::from_chars for double, `format` being fixed or general: a number
// beyond a double's range, or too small for it, is result_out_of_range and
// leaves `value` alone.
std::from_chars_result ReadDouble(const char* first, const char* last,
                                  double& value, std::chars_format format);

// As std::to_chars in scientific form with `precision` decimals; returns
// the end of what was written, or `last` when it does not fit.
const char* WriteScientific(char* first, char* last, double value,
                            int precision);

}  // namespace eurolire

#endif  // EUROLIRE_CONVERTER_DOUBLE_CHARS_H_

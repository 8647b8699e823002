// The number conventions of the user's Windows locale, in the converter's
// terms.
#ifndef EUROLIRE_WIN32_LOCALE_CONVENTIONS_H_
#define EUROLIRE_WIN32_LOCALE_CONVENTIONS_H_

#include <string_view>

#include "converter/number_text.h"

namespace eurolire {

// The decimal and grouping separators of the user's locale, as set in
// Windows' regional settings (LOCALE_SDECIMAL, LOCALE_STHOUSAND): "," and "."
// in Italy, "." and "," in England.
NumberConventions UserLocaleConventions();

// Conventions the converter can work with from the two separators as the
// settings hold them, which a user may have edited: an empty decimal
// separator becomes "."; a grouping separator equal to the decimal one turns
// grouping off, or every written amount would read back wrong.
NumberConventions ConventionsFromSeparators(std::wstring_view decimal,
                                            std::wstring_view grouping);

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_LOCALE_CONVENTIONS_H_

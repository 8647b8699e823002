// The number conventions of the user's Windows locale, in the converter's
// terms.
#ifndef EUROLIRE_WIN32_LOCALE_CONVENTIONS_H_
#define EUROLIRE_WIN32_LOCALE_CONVENTIONS_H_

#include "converter/number_text.h"

namespace eurolire {

// The decimal and grouping separators of the user's locale, as set in
// Windows' regional settings (LOCALE_SDECIMAL, LOCALE_STHOUSAND): "," and "."
// in Italy, "." and "," in England. Settings a user has edited into ones the
// converter cannot work with are made sound (form/sound_conventions.h).
NumberConventions LocaleConventions();

}  // namespace eurolire

#endif  // EUROLIRE_WIN32_LOCALE_CONVENTIONS_H_

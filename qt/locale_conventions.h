// The number conventions of a Qt locale, in the converter's terms.
#ifndef EUROLIRE_QT_LOCALE_CONVENTIONS_H_
#define EUROLIRE_QT_LOCALE_CONVENTIONS_H_

#include <QLocale>

#include "converter/number_text.h"

namespace eurolire {

// The locale's decimal and grouping separators as UTF-8: "," and "." for
// it_IT, "." and "," for en_GB; made sound where they are not
// (form/sound_conventions.h).
NumberConventions LocaleConventions(const QLocale& locale);

}  // namespace eurolire

#endif  // EUROLIRE_QT_LOCALE_CONVENTIONS_H_

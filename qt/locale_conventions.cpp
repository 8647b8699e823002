#include "qt/locale_conventions.h"

#include "form/sound_conventions.h"

namespace eurolire {

NumberConventions LocaleConventions(const QLocale& locale) {
  return SoundConventions({locale.decimalPoint().toStdString(),
                           locale.groupSeparator().toStdString()});
}

}  // namespace eurolire

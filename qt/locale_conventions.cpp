#include "qt/locale_conventions.h"

namespace eurolire {

NumberConventions ConventionsOf(const QLocale& locale) {
  return {locale.decimalPoint().toStdString(),
          locale.groupSeparator().toStdString()};
}

}  // namespace eurolire

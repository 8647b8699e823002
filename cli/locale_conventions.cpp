#include "cli/locale_conventions.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <utility>

#include "form/sound_conventions.h"

namespace eurolire {

std::string_view NumericLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return value;
  }
  return "";
}

std::optional<NumberConventions> LocaleConventions() {
  // A locale object of its own rather than setlocale: nothing else in the
  // program reads the global locale, and the core must not.
  const locale_t locale = newlocale(LC_NUMERIC_MASK, "", locale_t{});
  if (locale == locale_t{}) return std::nullopt;
  NumberConventions said{nl_langinfo_l(RADIXCHAR, locale),
                         nl_langinfo_l(THOUSEP, locale)};
  freelocale(locale);
  return SoundConventions(std::move(said));
}

}  // namespace eurolire

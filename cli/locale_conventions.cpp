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
  // The global locale for the moment it takes to read it, and back to the C
  // locale the program started in, which the core does not read anyway: a
  // locale object of its own (newlocale) would be cleaner, but glibc 2.36
  // loses the copy of LOCPATH it makes for one.
  if (!setlocale(LC_NUMERIC, "")) return std::nullopt;
  NumberConventions said{nl_langinfo(RADIXCHAR), nl_langinfo(THOUSEP)};
  setlocale(LC_NUMERIC, "C");
  return SoundConventions(std::move(said));
}

}  // namespace eurolire

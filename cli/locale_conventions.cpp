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

std::optional<NumberConventions> KnownConventions(std::string_view name) {
  // CLDR's separators, as Qt and browsers write them. A territory's entry
  // comes before its language's.
  struct Known {
    std::string_view prefix;  // "de_CH", "it"
    std::string_view decimal;
    std::string_view grouping;
  };
  static constexpr Known kKnown[] = {
      {"de_CH", ".", "\u2019"}, {"it_CH", ".", "\u2019"},
      {"de_AT", ",", "\u00A0"}, {"pt_PT", ",", "\u00A0"},
      {"es_MX", ".", ","},      {"es_US", ".", ","},
      {"it", ",", "."},         {"en", ".", ","},
      {"de", ",", "."},         {"fr", ",", "\u202F"},
      {"es", ",", "."},         {"pt", ",", "."},
      {"nl", ",", "."}};
  for (const Known& known : kKnown) {
    // "it" must be the whole language: not the start of "ito".
    if (name.starts_with(known.prefix) &&
        (name.size() == known.prefix.size() ||
         name.find_first_of("_.@", known.prefix.size()) ==
             known.prefix.size())) {
      return NumberConventions{std::string(known.decimal),
                               std::string(known.grouping)};
    }
  }
  return std::nullopt;
}

std::optional<NumberConventions> LocaleConventions() {
  // The global locale for the moment it takes to read it, and back to the C
  // locale the program started in, which the core does not read anyway: a
  // locale object of its own (newlocale) would be cleaner, but glibc 2.36
  // loses the copy of LOCPATH it makes for one.
  if (!setlocale(LC_NUMERIC, "")) return KnownConventions(NumericLocaleName());
  NumberConventions said{nl_langinfo(RADIXCHAR), nl_langinfo(THOUSEP)};
  setlocale(LC_NUMERIC, "C");
  return SoundConventions(std::move(said));
}

}  // namespace eurolire

// The number conventions of the user's locale for the Linux command line,
// from the C library, as every command-line program on the system reads
// them: the locale the environment chooses for numbers (LC_ALL, then
// LC_NUMERIC, then LANG), which must be installed (locale-gen, localedef).
#ifndef EUROLIRE_CLI_LOCALE_CONVENTIONS_H_
#define EUROLIRE_CLI_LOCALE_CONVENTIONS_H_

#include <optional>
#include <string_view>

#include "converter/number_text.h"

namespace eurolire {

// The name of that locale: the first of LC_ALL, LC_NUMERIC and LANG that is
// set and not empty; "" for none, which is the C locale.
std::string_view NumericLocaleName();

// Its decimal and grouping separators, made sound
// (form/sound_conventions.h): "," and "." for it_IT.UTF-8, "." and none for
// the C locale. std::nullopt when the C library does not have the locale
// named (not installed, or misspelt).
std::optional<NumberConventions> LocaleConventions();

}  // namespace eurolire

#endif  // EUROLIRE_CLI_LOCALE_CONVENTIONS_H_

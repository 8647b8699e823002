// The number conventions of the user's locale for the Linux command line,
// from the C library, as every command-line program on the system reads
// them: the locale the environment chooses for numbers (LC_ALL, then
// LC_NUMERIC, then LANG). Where the C library lacks it (not generated, as on
// many a server or container), the separators of the common European
// languages come from a table of their own, as the window takes them from
// Qt's data, so that "LANG=it_IT.UTF-8 eurolire --euro 12" writes
// 23.235,24 wherever it runs.
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
// the C locale. std::nullopt when neither the C library nor the table
// knows the locale named (misspelt, or a language the table lacks).
std::optional<NumberConventions> LocaleConventions();

// The table's separators for a locale name ("it_IT.UTF-8", "de_CH",
// "en"), by its language and territory; std::nullopt for one it lacks.
std::optional<NumberConventions> KnownConventions(std::string_view name);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_LOCALE_CONVENTIONS_H_

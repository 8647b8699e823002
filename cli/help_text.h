// What `eurolire --help` prints, in Italian: the usage, the options of the
// table (cli/options.h) and how amounts are read and written, with the rate
// and an example in the locale's way of writing amounts.
#ifndef EUROLIRE_CLI_HELP_TEXT_H_
#define EUROLIRE_CLI_HELP_TEXT_H_

#include <string>
#include <string_view>

#include "converter/number_text.h"

namespace eurolire {

// The help, UTF-8, each line ended by "\n". It names `window_program`, if
// given, as the program that opens the window.
std::string HelpText(const NumberConventions& conventions,
                     std::string_view window_program);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_HELP_TEXT_H_

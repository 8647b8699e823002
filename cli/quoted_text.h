// A text the user gave, as the command line's messages quote it.
#ifndef EUROLIRE_CLI_QUOTED_TEXT_H_
#define EUROLIRE_CLI_QUOTED_TEXT_H_

#include <string>
#include <string_view>

namespace eurolire {

// `text` for a message: at most 40 characters, in quotes, "..." before the
// closing quote when cut. Control characters (C0, DEL, C1) and bytes that
// are no UTF-8 are written as escapes ("\x1b"), so that a line of input
// cannot drive the user's terminal; '"' and '\\' get a backslash.
std::string Quote(std::string_view text);

}  // namespace eurolire

#endif  // EUROLIRE_CLI_QUOTED_TEXT_H_

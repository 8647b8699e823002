// The words of the program's top-level error report, in Italian, as UTF-8:
// what the user reads when a run-time error abandoned a handler. Standard C++
// only, so that every front end reports a fault in the same words.
#ifndef EUROLIRE_FORM_ERROR_TEXT_H_
#define EUROLIRE_FORM_ERROR_TEXT_H_

#include <string>
#include <string_view>

#include "converter/run_time_error.h"
#include "form/product.h"

namespace eurolire {

// What the user is told of a text that is not converted, worded once for
// the windows' report and the command line, each after what names the text:
// the report says "Il testo non è un numero."; the command line puts the
// text, quoted, before it, and a colon before the overflow's words.
inline constexpr std::string_view kNotANumberText = "non è un numero";
inline constexpr std::string_view kOverflowText =
    "l'importo convertito supera il numero più grande che il programma sa "
    "calcolare";

// The report's window title.
inline constexpr std::string_view kErrorReportTitle = kProductName;

// The text that names the fault, e.g. for an overflow "Errore di run-time 6:
// overflow." followed by what it means for the user and that the program
// goes on.
std::string ErrorReportText(const RunTimeError& error);

}  // namespace eurolire

#endif  // EUROLIRE_FORM_ERROR_TEXT_H_

// The window's handlers as they run, by name ("Form_Load", "Euro_Change"),
// in order: what the windows' tests compare with what must run. Recorded by
// a link seam that production code does not carry: the converter's handlers
// are wrapped where the window's wiring calls them (the linker's --wrap;
// eurolire_handler_log in tests/form/CMakeLists.txt). Label3_Click runs the
// program's own hook, which a test records itself.
#ifndef EUROLIRE_TESTS_FORM_HANDLER_LOG_H_
#define EUROLIRE_TESTS_FORM_HANDLER_LOG_H_

#include <string>
#include <vector>

namespace eurolire::testing {

// The names recorded since the log was last cleared.
std::vector<std::string>& HandlerLog();

}  // namespace eurolire::testing

#endif  // EUROLIRE_TESTS_FORM_HANDLER_LOG_H_

#include "tests/form/handler_log.h"

#include "converter/converter.h"

namespace eurolire::testing {

std::vector<std::string>& HandlerLog() {
  static std::vector<std::string> log;
  return log;
}

}  // namespace eurolire::testing

// Each handler's wrapper, under the name the linker gives calls to it
// (__wrap_ and the handler's symbol), logs it and runs the handler itself
// (__real_ and the symbol). The symbols are the Itanium C++ ABI's, which g++
// follows on Linux and for Windows alike.
#define EUROLIRE_LOGGED_HANDLER(symbol, name)                       \
  extern "C" void __real_##symbol(eurolire::Converter* converter);  \
  extern "C" void __wrap_##symbol(eurolire::Converter* converter) { \
    eurolire::testing::HandlerLog().emplace_back(name);             \
    __real_##symbol(converter);                                     \
  }

EUROLIRE_LOGGED_HANDLER(_ZN8eurolire9Converter9Form_LoadEv, "Form_Load")
EUROLIRE_LOGGED_HANDLER(_ZN8eurolire9Converter13Euro_GotFocusEv,
                        "Euro_GotFocus")
EUROLIRE_LOGGED_HANDLER(_ZN8eurolire9Converter13Lire_GotFocusEv,
                        "Lire_GotFocus")
EUROLIRE_LOGGED_HANDLER(_ZN8eurolire9Converter11Euro_ChangeEv, "Euro_Change")
EUROLIRE_LOGGED_HANDLER(_ZN8eurolire9Converter11Lire_ChangeEv, "Lire_Change")

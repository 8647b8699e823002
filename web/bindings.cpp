// The page's entry into the converter: Form1 as the page's script sees it.
#include <emscripten/bind.h>

#include <string>
#include <utility>

#include "web/form1.h"

namespace {

eurolire::Form1* NewForm1(emscripten::val euro, emscripten::val lire,
                          emscripten::val report_error,
                          std::string decimal_separator,
                          std::string grouping_separator) {
  return new eurolire::Form1(
      std::move(euro), std::move(lire), std::move(report_error),
      {std::move(decimal_separator), std::move(grouping_separator)});
}

}  // namespace

EMSCRIPTEN_BINDINGS(eurolire) {
  using eurolire::Form1;
  emscripten::class_<Form1>("Form1")
      .constructor(&NewForm1, emscripten::allow_raw_pointers())
      .function("Show", &Form1::Show)
      .function("Euro_GotFocus", &Form1::Euro_GotFocus)
      .function("Lire_GotFocus", &Form1::Lire_GotFocus)
      .function("Euro_Change", &Form1::Euro_Change)
      .function("Lire_Change", &Form1::Lire_Change);
}

// The page's entry into the converter, through embind: Form1, the one policy
// for separators the converter cannot work with, as the page's script sees
// them, and the equivalents of the amounts in a text.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <utility>
#include <vector>

#include "converter/amounts_in_text.h"
#include "form/sound_conventions.h"
#include "web/form1.h"

namespace {

eurolire::Form1* NewForm1(emscripten::val report_error,
                          std::string decimal_separator,
                          std::string grouping_separator) {
  return new eurolire::Form1(
      std::move(report_error),
      {std::move(decimal_separator), std::move(grouping_separator)});
}

// The separators the browser says, made sound, as {decimal, grouping}.
emscripten::val SoundConventions(std::string decimal_separator,
                                 std::string grouping_separator) {
  const eurolire::NumberConventions sound = eurolire::SoundConventions(
      {std::move(decimal_separator), std::move(grouping_separator)});
  emscripten::val conventions = emscripten::val::object();
  conventions.set("decimal", sound.decimal_separator);
  conventions.set("grouping", sound.grouping_separator);
  return conventions;
}

// `text` with its equivalents, from the core, in pieces that take turns,
// text and inserted equivalent, from the text's start to its end: the page
// marks each insertion.
emscripten::val Equivalents(std::string text, std::string decimal_separator,
                            std::string grouping_separator) {
  const eurolire::NumberConventions locale{std::move(decimal_separator),
                                           std::move(grouping_separator)};
  std::vector<eurolire::InsertedSpan> inserted;
  const std::string converted =
      eurolire::WithEquivalents(text, locale, &inserted);
  emscripten::val pieces = emscripten::val::array();
  std::size_t copied = 0;
  for (const eurolire::InsertedSpan& span : inserted) {
    pieces.call<void>("push", converted.substr(copied, span.begin - copied));
    pieces.call<void>("push",
                      converted.substr(span.begin, span.end - span.begin));
    copied = span.end;
  }
  pieces.call<void>("push", converted.substr(copied));
  return pieces;
}

}  // namespace

EMSCRIPTEN_BINDINGS(eurolire) {
  using eurolire::Form1;
  emscripten::function("SoundConventions", &SoundConventions);
  emscripten::function("Equivalents", &Equivalents);
  emscripten::class_<Form1>("Form1")
      .constructor(&NewForm1, emscripten::allow_raw_pointers())
      .function("Show", &Form1::Show)
      .function("Euro_GotFocus", &Form1::Euro_GotFocus)
      .function("Lire_GotFocus", &Form1::Lire_GotFocus)
      .function("Euro_Change", &Form1::Euro_Change)
      .function("Lire_Change", &Form1::Lire_Change)
      .function("ReportClosed", &Form1::ReportClosed);
}

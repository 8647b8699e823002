#include "form/form1_wiring.h"

#include <utility>

namespace eurolire {
namespace {

// A handler of the window, with the name it goes by.
struct Handler {
  std::string_view name;
  void (*run)(Converter& converter, const Form1Hooks& hooks);
};

// Each event of the window and the handler it runs.
constexpr Handler kLoad{"Form_Load",
                        [](Converter& c, const Form1Hooks&) { c.Form_Load(); }};
constexpr Handler kLabel3Click{"Label3_Click",
                               [](Converter&, const Form1Hooks& hooks) {
                                 if (hooks.label3_click) hooks.label3_click();
                               }};
// Each field's, Euro's first.
struct FieldHandlers {
  Handler got_focus;
  Handler change;
};
constexpr FieldHandlers kFieldHandlers[] = {
    {{"Euro_GotFocus",
      [](Converter& c, const Form1Hooks&) { c.Euro_GotFocus(); }},
     {"Euro_Change", [](Converter& c, const Form1Hooks&) { c.Euro_Change(); }}},
    {{"Lire_GotFocus",
      [](Converter& c, const Form1Hooks&) { c.Lire_GotFocus(); }},
     {"Lire_Change", [](Converter& c, const Form1Hooks&) { c.Lire_Change(); }}},
};

constexpr const FieldHandlers& HandlersOf(Field field) {
  return kFieldHandlers[field == Field::Euro ? 0 : 1];
}

}  // namespace

Form1Wiring::Form1Wiring(Window& window, NumberConventions conventions,
                         Form1Hooks hooks)
    : window_(window),
      hooks_(std::move(hooks)),
      runner_(*this),
      converter_(window, std::move(conventions)) {}

void Form1Wiring::Run(std::string_view name,
                      void (*run)(Converter& converter,
                                  const Form1Hooks& hooks)) {
  // Inside the runner, so that not even the hook throws into the toolkit.
  runner_.Run([&] {
    if (hooks_.before_handler) hooks_.before_handler(name);
    run(converter_, hooks_);
  });
}

void Form1Wiring::Load() { Run(kLoad.name, kLoad.run); }

void Form1Wiring::GotFocus(Field field) {
  const Handler& handler = HandlersOf(field).got_focus;
  Run(handler.name, handler.run);
}

void Form1Wiring::Change(Field field) {
  const Handler& handler = HandlersOf(field).change;
  Run(handler.name, handler.run);
}

void Form1Wiring::Label3_Click() { Run(kLabel3Click.name, kLabel3Click.run); }

void Form1Wiring::ShowReport(const RunTimeError& error) {
  if (hooks_.report_error) {
    hooks_.report_error(error);
  } else {
    window_.ShowReport(error);
  }
}

}  // namespace eurolire

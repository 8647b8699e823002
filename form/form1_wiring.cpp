#include "form/form1_wiring.h"

#include <utility>

namespace eurolire {

Form1Wiring::Form1Wiring(Window& window, NumberConventions conventions,
                         Form1Hooks hooks)
    : window_(window),
      hooks_(std::move(hooks)),
      runner_(*this),
      converter_(window, std::move(conventions)) {}

void Form1Wiring::Load() {
  runner_.Run([this] { converter_.Form_Load(); });
}

void Form1Wiring::GotFocus(Field field) {
  runner_.Run([this, field] {
    if (field == Field::Euro) {
      converter_.Euro_GotFocus();
    } else {
      converter_.Lire_GotFocus();
    }
  });
}

void Form1Wiring::Change(Field field) {
  runner_.Run([this, field] {
    if (field == Field::Euro) {
      converter_.Euro_Change();
    } else {
      converter_.Lire_Change();
    }
  });
}

void Form1Wiring::Label3_Click() {
  runner_.Run([this] {
    if (hooks_.label3_click) hooks_.label3_click();
  });
}

void Form1Wiring::ShowReport(const RunTimeError& error) {
  if (hooks_.report_error) {
    hooks_.report_error(error);
  } else {
    window_.ShowReport(error);
  }
}

}  // namespace eurolire

// Times a long paste into the euro field through both change handlers (the
// euro field's, and the lire field's that it raises), at sizes from 16 KiB
// to 1 MiB, so that the growth with the text's length shows:
//  - through the converter and a view of two strings (the handlers alone);
//  - through the real window, against a bare QLineEdit taking the same
//    paste: the difference is what the handlers add to Qt's own work.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <memory>
#include <string>

#include "converter/converter.h"
#include "qt/form1.h"
#include "tests/converter/fake_view.h"

namespace eurolire {
namespace {

// Each benchmark runs with digits and with letters: the digits are read to
// the end, the letters stop the reading at once.
#define EUROLIRE_PASTE_BENCHMARK(function)  \
  BENCHMARK_CAPTURE(function, digits, '7')  \
      ->RangeMultiplier(4)                  \
      ->Range(1 << 14, 1 << 20)             \
      ->Unit(benchmark::kMillisecond)       \
      ->Complexity(benchmark::oN);          \
  BENCHMARK_CAPTURE(function, letters, 'a') \
      ->RangeMultiplier(4)                  \
      ->Range(1 << 14, 1 << 20)             \
      ->Unit(benchmark::kMillisecond)       \
      ->Complexity(benchmark::oN)

void BM_PasteThroughHandlers(benchmark::State& state, char filler) {
  testing::Session session;
  session.Start();
  const std::string pasted(state.range(0), filler);
  for (auto _ : state) {
    session.view.Type(Field::Euro, "12");
    session.view.Type(Field::Euro, pasted);
  }
  state.SetComplexityN(state.range(0));
}
EUROLIRE_PASTE_BENCHMARK(BM_PasteThroughHandlers);

// `field` is a Form1's euro field or a bare QLineEdit.
void PasteInto(benchmark::State& state, QLineEdit& field, char filler) {
  const QString pasted(state.range(0), QChar(filler));
  for (auto _ : state) {
    field.setText(QStringLiteral("12"));
    field.setText(pasted);
  }
  state.SetComplexityN(state.range(0));
}

void BM_PasteIntoWindow(benchmark::State& state, char filler) {
  Form1 form(NumberConventions{",", "."}, {});
  form.show();
  form.findChild<QLineEdit*>(QStringLiteral("Euro"))->setFocus();
  QApplication::processEvents();
  PasteInto(state, *form.findChild<QLineEdit*>(QStringLiteral("Euro")), filler);
}
EUROLIRE_PASTE_BENCHMARK(BM_PasteIntoWindow);

void BM_PasteIntoBareLineEdit(benchmark::State& state, char filler) {
  QLineEdit field;
  field.setMaxLength(1 << 30);
  field.show();
  QApplication::processEvents();
  PasteInto(state, field, filler);
}
EUROLIRE_PASTE_BENCHMARK(BM_PasteIntoBareLineEdit);

}  // namespace
}  // namespace eurolire

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}

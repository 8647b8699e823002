// Times one keystroke end to end (a change handler with the nested change
// of the other field, through a view) and each number operation.
#include <benchmark/benchmark.h>

#include <string>

#include "converter/converter.h"
#include "converter/number_text.h"
#include "tests/converter/fake_view.h"

namespace eurolire {
namespace {

using testing::kItalian;
using testing::Session;

// Alternates between two texts so that every keystroke changes the field
// and the converted result, as typing does.
void BM_KeystrokeEuroToLire(benchmark::State& state) {
  Session session;
  session.Start();
  const std::string texts[] = {"12", "123"};
  std::size_t i = 0;
  for (auto _ : state) {
    session.view.Type(Field::Euro, texts[i ^= 1]);
  }
  benchmark::DoNotOptimize(session.Lire());
}
BENCHMARK(BM_KeystrokeEuroToLire);

void BM_KeystrokeLireToEuro(benchmark::State& state) {
  Session session;
  session.Start();
  session.Focus(Field::Lire);
  const std::string texts[] = {"1.936,2", "1.936,27"};
  std::size_t i = 0;
  for (auto _ : state) {
    session.view.Type(Field::Lire, texts[i ^= 1]);
  }
  benchmark::DoNotOptimize(session.Euro());
}
BENCHMARK(BM_KeystrokeLireToEuro);

void BM_IsNumberText(benchmark::State& state) {
  const std::string text = "23.235,24";
  for (auto _ : state) {
    benchmark::DoNotOptimize(IsNumberText(text, kItalian));
  }
}
BENCHMARK(BM_IsNumberText);

void BM_TextToDouble(benchmark::State& state) {
  const std::string text = "23.235,24";
  for (auto _ : state) {
    benchmark::DoNotOptimize(TextToDouble(text, kItalian));
  }
}
BENCHMARK(BM_TextToDouble);

void BM_FormatAmount(benchmark::State& state) {
  double value = 12 * 1936.27;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(FormatAmount(value, AmountFormat, kItalian));
  }
}
BENCHMARK(BM_FormatAmount);

void BM_CurrencyFromDouble(benchmark::State& state) {
  double value = 1936.27;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(CurrencyFromDouble(value));
  }
}
BENCHMARK(BM_CurrencyFromDouble);

void BM_CurrencyToDouble(benchmark::State& state) {
  CurrencyValue value{19'362'700};
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(CurrencyToDouble(value));
  }
}
BENCHMARK(BM_CurrencyToDouble);

}  // namespace
}  // namespace eurolire

BENCHMARK_MAIN();

// Times one calculation of a five-panel wing through the recording fake window.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/calculate.h"
#include "calc/inputs.h"
#include "i18n/language.h"
#include "support/fake_window.h"

namespace {

using tavelor::calc::Field;

void BM_CalculateFivePanelWing(benchmark::State& run) {
  tavelor::testing::FakeInputWindow window;
  tavelor::testing::FakeInputWindow faults;
  // A valid wing never looks a text up, so the language module needs no file.
  tavelor::i18n::LanguageModule language("/nonexistent", faults);
  tavelor::calc::WingState state;
  state.areaUnit = std::string(tavelor::calc::kAreaUnit);
  state.lengthUnit = std::string(tavelor::calc::kLengthUnit);

  window.mark = std::string(1, ',');
  window.setPanel(0, "260", "240", "350", "5");
  window.setPanel(1, "240", "220", "300", "15,5");
  window.setPanel(2, "220", "190", "250", "30");
  window.setPanel(3, "190", "150", "200", "55,25");
  window.setPanel(4, "150", "90", "150", "90");
  window.setFieldText(Field::Cg, 0, "32,5");
  window.setFieldText(Field::masse, 0, "2150");

  for (auto _ : run) {
    const bool stands = tavelor::calc::calculate(state, window, language);
    benchmark::DoNotOptimize(stands);
    benchmark::DoNotOptimize(state);
    window.selections.clear();  // keep the recording fake from growing
  }
  if (!window.messages.empty() || state.lastPanel != 4) run.SkipWithError("the wing did not stand");
}
BENCHMARK(BM_CalculateFivePanelWing);

}  // namespace

BENCHMARK_MAIN();

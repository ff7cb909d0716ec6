// Times the print routine on a calculated five-panel wing through a page that records every
// operation, with the texts read from the real English language file on each lookup.
#include <benchmark/benchmark.h>

#include "bench_wing.h"
#include "calc/calculate.h"
#include "i18n/language.h"
#include "plot/print_sheet.h"
#include "support/fake_print_window.h"
#include "support/recording_page.h"

namespace {

namespace calc = tavelor::calc;
namespace plot = tavelor::plot;

void BM_ImprimeRecordingPage(benchmark::State& run) {
  tavelor::bench::EnglishProgramFolder folder;
  tavelor::testing::FakeInputWindow faults;
  tavelor::i18n::Language language(folder.path(), faults);
  language.setLanguage("English");

  tavelor::testing::FakePrintWindow window;
  tavelor::bench::typeFivePanelWing(window);
  calc::WingState state = tavelor::bench::freshState();
  if (!calc::calculate(state, window, language)) {
    run.SkipWithError("the wing did not stand");
    return;
  }
  state.sheetName = "Five-panel wing";

  std::size_t operations = 0;
  for (auto _ : run) {
    tavelor::testing::RecordingPage page(window.page);
    plot::imprime(state, window, language, page);
    operations = window.page->log.size();
    window.page->log.clear();
    window.page->operations = 0;
    window.messages.clear();
  }
  run.counters["page_ops"] = static_cast<double>(operations);
  if (!faults.messages.empty() || operations < 100) run.SkipWithError("the sheet was not printed");
}
BENCHMARK(BM_ImprimeRecordingPage)->Unit(benchmark::kMicrosecond);

// One text lookup as the sheet makes about fifty of them: open, read and search the file.
void BM_LanguageLookup(benchmark::State& run) {
  tavelor::bench::EnglishProgramFolder folder;
  tavelor::testing::FakeInputWindow faults;
  tavelor::i18n::Language language(folder.path(), faults);
  language.setLanguage("English");
  for (auto _ : run) {
    std::string text = language.text("Label", "16");
    benchmark::DoNotOptimize(text);
  }
  if (!faults.messages.empty() || language.text("Label", "16").empty())
    run.SkipWithError("the language file was not read");
}
BENCHMARK(BM_LanguageLookup)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();

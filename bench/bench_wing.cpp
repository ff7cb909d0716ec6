// What one press of Calculate costs the core on a five-panel wing (the figures, the geometry,
// the plan strip), the print sheet drawn onto a page that does nothing, and the stability
// window's vortex lattice for the same wing with a stabiliser in its plane.
#include <benchmark/benchmark.h>

#include "plot/plan_view.h"
#include "plot/print_sheet.h"
#include "support/language_folder.h"
#include "wing/geometry.h"
#include "wing/stability.h"

namespace {

using namespace tavelor;

const wing::WingInputs kFivePanels{{{300, 280, 200, 10},
                                    {280, 250, 250, 25},
                                    {250, 200, 300, 50},
                                    {200, 150, 250, 80},
                                    {150, 90, 150, 110}},
                                   30,
                                   2500};

// A page that measures nothing and prints nothing.
class NullPage : public plot::PageSurface {
 public:
  double advance(const plot::Text&) override { return 0; }
  double lineSpacing(const plot::Text&) override { return 0; }
  void print(const plot::Drawing& drawing) override { lines += drawing.lines.size(); }
  std::string deviceName() override { return {}; }
  std::size_t lines = 0;
};

void BM_CalculateAndDrawPlan(benchmark::State& run) {
  for (auto _ : run) {
    const auto results = wing::computeWing(kFivePanels).results;
    benchmark::DoNotOptimize(plot::planDrawing(*results, wing::wingGeometry(*results)));
  }
}
BENCHMARK(BM_CalculateAndDrawPlan);

// The sheet with every text looked up in a real language file, as the print command does.
void BM_PrintSheet(benchmark::State& run) {
  testing::LanguageFolder texts({{"Label", {{"1", "Root chord"}, {"6", "Span"}}}});
  const auto results = *wing::computeWing(kFivePanels).results;
  const auto geometry = wing::wingGeometry(results);
  NullPage page;
  for (auto _ : run)
    page.print(
        plot::sheetDrawing({results, geometry, "Bench", "06/12/2026", "."}, texts.language, page));
  benchmark::DoNotOptimize(page.lines);
}
BENCHMARK(BM_PrintSheet)->Unit(benchmark::kMillisecond);

// One press of Calculate in the stability window: the lattice of the wing with its stabiliser
// (argument 1, which also gives the wing's own figures) or of the wing as a flying wing (0).
void BM_NeutralPoint(benchmark::State& run) {
  const auto results = *wing::computeWing(kFivePanels).results;
  wing::StabilityInputs model;
  if (run.range(0) == 1) model = {{{200, 140, 350, 40}}, 1000, 0.9, 10, 0};
  for (auto _ : run) benchmark::DoNotOptimize(wing::computeStability(model, results));
}
BENCHMARK(BM_NeutralPoint)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

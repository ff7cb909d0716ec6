// Times one calculation of a five-panel wing, alone and followed by the plan drawing, through the
// recording fake window: what one press of the calculate button costs the core.
#include <benchmark/benchmark.h>

#include <optional>
#include <string>

#include "bench_wing.h"
#include "calc/calculate.h"
#include "i18n/language.h"
#include "plot/plan_view.h"
#include "support/fake_window.h"
#include "support/recording_page.h"

namespace {

namespace calc = tavelor::calc;
namespace plot = tavelor::plot;
using tavelor::bench::freshState;
using tavelor::bench::typeFivePanelWing;
using tavelor::testing::FakeInputWindow;

// A plan strip that only counts, to tell the drawing's own cost from the recorder's formatting.
class CountingSurface : public plot::DrawingSurface {
 public:
  void clear() override { ++operations; }
  void setLineStyle(plot::LineStyle) override { ++operations; }
  void drawLine(float, float, float, float, std::optional<plot::Rgb>) override { ++operations; }
  long operations = 0;
};

// A typed five-panel wing and what calculate needs beside it. A valid wing never looks a text
// up, so the language module needs no file.
struct TypedWing {
  TypedWing() { typeFivePanelWing(window); }
  bool calculate() {
    const bool stands = calc::calculate(state, window, language);
    window.selections.clear();  // keep the recording fake from growing
    return stands;
  }

  FakeInputWindow window;
  FakeInputWindow faults;
  tavelor::i18n::Language language{"/nonexistent", faults};
  calc::WingState state = freshState();
};

void BM_CalculateFivePanelWing(benchmark::State& run) {
  TypedWing wing;
  for (auto _ : run) {
    const bool stands = wing.calculate();
    benchmark::DoNotOptimize(stands);
    benchmark::DoNotOptimize(wing.state);
  }
  if (!wing.window.messages.empty() || wing.state.lastPanel != 4) {
    run.SkipWithError("the wing did not stand");
  }
}
BENCHMARK(BM_CalculateFivePanelWing);

// calculate then drawPlan, as the calculate button runs them, into a surface that records every
// line as text (the figure the start-up and key-press budget is judged by).
void BM_CalculateAndDrawPlan(benchmark::State& run) {
  TypedWing wing;
  tavelor::testing::RecordingSurface surface;
  std::size_t lines = 0;
  for (auto _ : run) {
    if (wing.calculate()) plot::drawPlan(wing.state, surface);
    lines = surface.log.size();
    surface.log.clear();
  }
  run.counters["surface_ops"] = static_cast<double>(lines);
  if (!wing.window.messages.empty() || lines < 20) run.SkipWithError("the plan was not drawn");
}
BENCHMARK(BM_CalculateAndDrawPlan);

// The same into a surface that only counts: the core's own share of the figure above.
void BM_CalculateAndDrawPlanCounting(benchmark::State& run) {
  TypedWing wing;
  CountingSurface surface;
  for (auto _ : run) {
    if (wing.calculate()) plot::drawPlan(wing.state, surface);
  }
  run.counters["surface_ops"] = benchmark::Counter(static_cast<double>(surface.operations),
                                                   benchmark::Counter::kAvgIterations);
  if (!wing.window.messages.empty()) run.SkipWithError("the wing did not stand");
}
BENCHMARK(BM_CalculateAndDrawPlanCounting);

// drawPlan alone on a calculated wing.
void BM_DrawPlanCounting(benchmark::State& run) {
  TypedWing wing;
  if (!wing.calculate()) {
    run.SkipWithError("the wing did not stand");
    return;
  }
  CountingSurface surface;
  for (auto _ : run) {
    plot::drawPlan(wing.state, surface);
    benchmark::DoNotOptimize(surface.operations);
  }
}
BENCHMARK(BM_DrawPlanCounting);

}  // namespace

BENCHMARK_MAIN();

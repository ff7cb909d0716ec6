// Wings the fuzzers found: field texts the calculation accepts whose figures are so large that
// laying out the plan or the sheet overflowed to infinity and then to NaN coordinates.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "calc/calculate.h"
#include "calc/wing_state.h"
#include "plot/plan_view.h"
#include "plot/print_sheet.h"
#include "sheet_language.h"
#include "support/fake_print_window.h"
#include "support/recording_page.h"

namespace tavelor::plot {
namespace {

// 10^308: still a finite double, as toNumber reads 309 typed digits.
const std::string kHuge = "1" + std::string(308, '0');

struct HugeWing {
  const char* name;
  std::vector<std::vector<std::string>> panels;  // root, tip, length, sweep
};

void PrintTo(const HugeWing& wing, std::ostream* out) { *out << wing.name; }

// A drawn line whose end the recorders print as "nan" or "inf".
bool nonFinite(const std::string& entry) {
  return entry.starts_with("line") &&
         (entry.find("nan") != std::string::npos || entry.find("inf") != std::string::npos);
}

std::vector<std::string> nonFiniteLines(const std::vector<std::string>& log) {
  std::vector<std::string> found;
  for (const auto& entry : log) {
    if (nonFinite(entry)) found.push_back(entry);
  }
  return found;
}

class HugeFigures : public ::testing::TestWithParam<HugeWing> {};

// Either the calculation refuses the wing, or the plan and the sheet are drawn with finite
// coordinates (pinned ones are fine): a NaN line is nothing a screen or a printer can place.
TEST_P(HugeFigures, DrawAndPrintOnlyFiniteLines) {
  test::SheetLanguage language;
  testing::FakePrintWindow window;
  const auto& panels = GetParam().panels;
  for (std::size_t i = 0; i < panels.size(); ++i) {
    const int index = static_cast<int>(i);
    window.setFieldText(calc::Field::C_max, index, panels[i][0]);
    window.setFieldText(calc::Field::C_min, index, panels[i][1]);
    window.setFieldText(calc::Field::L_trap, index, panels[i][2]);
    window.setFieldText(calc::Field::deport, index, panels[i][3]);
  }
  window.setFieldText(calc::Field::Cg, 0, "30");
  window.setFieldText(calc::Field::masse, 0, "1500");

  calc::WingState state;
  state.lengthUnit = calc::kLengthUnit;
  state.areaUnit = calc::kAreaUnit;
  if (!calc::calculate(state, window, *language)) return;
  state.sheetName = "Huge";

  testing::RecordingSurface plan;
  drawPlan(state, plan);
  EXPECT_EQ(nonFiniteLines(plan.log), std::vector<std::string>{});

  testing::RecordingPage page(window.page);
  imprime(state, window, *language, page);
  EXPECT_EQ(nonFiniteLines(page.log()), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    PrintSheet, HugeFigures,
    ::testing::Values(HugeWing{"SweptBack", {{"250", "200", "400", kHuge}}},
                      HugeWing{"SweptForward", {{"250", "200", "400", "-" + kHuge}}},
                      HugeWing{"OuterPanelSwept",
                               {{"250", "200", "400", "0"}, {"200", "100", "300", kHuge}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelor::plot

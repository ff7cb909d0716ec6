// Wings the fuzzers found: field texts the calculation accepts whose figures are so large that
// laying out the plan or the sheet overflowed to infinity and then to NaN coordinates.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/calculate.h"
#include "plot/plan_view.h"
#include "plot/print_sheet.h"
#include "sheet_language.h"
#include "support/fake_print_window.h"
#include "support/recording_page.h"

namespace tavelor::plot {
namespace {

// 10^308: still a finite double, as toNumber reads 309 typed digits.
const std::string kHuge = "1" + std::string(308, '0');

// The drawn lines whose ends the recorders print as "nan" or "inf".
std::string nonFiniteLines(const std::vector<std::string>& log) {
  std::string found;
  for (const auto& entry : log) {
    const bool bad =
        entry.find("nan") != std::string::npos || entry.find("inf") != std::string::npos;
    if (entry.starts_with("line") && bad) found += entry + '|';
  }
  return found;
}

// Either the calculation refuses the wing, or the plan and the sheet are drawn with finite
// coordinates (pinned ones are fine): a NaN line is nothing a screen or a printer can place.
TEST(HugeFigures, DrawAndPrintOnlyFiniteLines) {
  // Per panel: root, tip, length, sweep.
  for (const std::vector<std::vector<std::string>>& panels :
       {std::vector<std::vector<std::string>>{{"250", "200", "400", kHuge}},
        {{"250", "200", "400", "-" + kHuge}},
        {{"250", "200", "400", "0"}, {"200", "100", "300", kHuge}}}) {
    SCOPED_TRACE(::testing::Message()
                 << panels.size() << " panel(s), last sweep " << panels.back().back().substr(0, 2));
    test::SheetLanguage language;
    testing::FakePrintWindow window;
    for (std::size_t i = 0; i < panels.size(); ++i) {
      window.setPanel(static_cast<int>(i), panels[i][0], panels[i][1], panels[i][2], panels[i][3]);
    }
    window.setFieldText(calc::Field::Cg, 0, "30");
    window.setFieldText(calc::Field::masse, 0, "1500");
    calc::WingState state;
    state.lengthUnit = calc::kLengthUnit;
    state.areaUnit = calc::kAreaUnit;
    if (!calc::calculate(state, window, *language)) continue;
    state.sheetName = "Huge";
    testing::RecordingSurface plan;
    drawPlan(state, plan);
    EXPECT_EQ(nonFiniteLines(plan.log), "");
    testing::RecordingPage page(window.page);
    imprime(state, window, *language, page);
    EXPECT_EQ(nonFiniteLines(page.log()), "");
  }
}

}  // namespace
}  // namespace tavelor::plot

#include "plot/sheet_layout.h"

#include <gtest/gtest.h>

namespace tavelor::plot {
namespace {

wing::WingResults lastTip(double halfSpan, double lastOffset, double tip, double root) {
  wing::WingResults results;
  results.panels = {{root, tip, halfSpan, lastOffset}};
  results.halfSpan = halfSpan;
  return results;
}

TEST(SheetLayout, PicksTheScaleFromSpanAndDepth) {
  struct Rule {
    const char* why;
    double halfSpan, lastOffset, tip, root;
    int divisor;  // 0: no scale
  } rules[] = {{"span on the 1/50 threshold", 5000, 0, 200, 300, 20},
               {"span past 5000", 5000.01, 0, 200, 300, 50},
               {"span past 1250", 1250.01, 0, 200, 300, 10},
               {"tip depth exactly 550", 1000, 400, 150, 250, 5},
               {"tip depth past 1100", 1000, 900, 200.01, 300, 20},
               {"forward tip past 1100", 1000, -800.01, 100, 300, 20},
               {"root alone never decides", 1000, 0, 100, 2000, 5},
               {"no span", 0, 0, 200, 300, 0},
               {"no span but a deep tip", 0, 500, 100, 300, 10}};
  for (const Rule& r : rules) {
    const SheetScale scale = chooseScale(lastTip(r.halfSpan, r.lastOffset, r.tip, r.root));
    EXPECT_EQ(scale.divisor.value_or(0), r.divisor) << r.why;
    EXPECT_DOUBLE_EQ(scale.drawScale, r.divisor ? 56.7 / r.divisor : 0) << r.why;
  }
}

TEST(SheetLayout, CentresTheWingInTheBox) {
  struct Case {
    const char* why;
    wing::WingResults results;
    double scale, x, leadingEdge;
  } cases[] = {
      // The root trailing edge sits at the bottom of the extent: 9553 - 300 * 11.34.
      {"forward tip at 1/5", lastTip(1000, -100, 200, 300), 11.34, 2464, 6151},
      // Extent 700 * 5.67 = 3969; top = 5300.5; the root leading edge at the top.
      {"deep swept tip at 1/10", lastTip(1000, 400, 300, 300), 5.67, 5299, 5300.5},
  };
  for (const Case& c : cases) {
    const Placement at = placeOnSheet(c.results, c.scale);
    EXPECT_NEAR(at.x, c.x, 1e-6) << c.why;
    EXPECT_NEAR(at.y, c.leadingEdge, 1e-6) << c.why;
  }
}

}  // namespace
}  // namespace tavelor::plot

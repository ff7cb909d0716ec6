#include "plot/stability_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tavelor::plot {
namespace {

// The local lift peaks at the tip here: that is where the wing stalls first, the remark left of
// it.
TEST(StabilityPictures, MarksWhereTheWingStallsFirst) {
  const auto figure = spanLoadFigure({{0, 1.2, 0.9}, {500, 0.8, 1.1}}, 500, {{0, 0}, {400, 200}});
  ASSERT_TRUE(figure);
  EXPECT_TRUE(figure->peak.x == 400 && figure->remarkOnLeft);
}

// A 200 by 300 mm wing in a 100 by 50 mm view: the depth decides, the marks sit on the root.
TEST(StabilityPictures, FitsThePlanAndMarksItsCentreLine) {
  wing::WingResults wing;
  wing.panels = {{300, 300, 200, 0}};
  wing.halfSpan = 200;
  wing::StabilityResults results;
  results.flyingWing = true;
  results.neutralPoint = 150;
  results.centring = 75;
  const Drawing plan = stabilityPlanPicture(wing, results, 0, {{0, 0}, {100, 50}});
  const double margin = 12 * kScreenPixel, scale = (50 - 2 * margin) / 300;
  const Bounds b = boundsOf(plan);
  EXPECT_NEAR(b.min.y, margin, 1e-9);
  EXPECT_NEAR(b.max.y, 50 - margin, 1e-9);
  EXPECT_LE(b.max.x, margin + 200 * scale + 1e-9);
  for (const auto& [role, y] :
       {std::pair(Role::NeutralPointMark, 150.0), std::pair(Role::CentringPointMark, 75.0)}) {
    const auto mark = std::ranges::find(plan.lines, role, &Polyline::role);
    ASSERT_NE(mark, plan.lines.end());
    EXPECT_NEAR(mark->points[0].y, margin + y * scale, 1e-9);
    EXPECT_NEAR(mark->points[1].x - mark->points[0].x, 4 * margin - 2 * kScreenPixel, 1e-9);
  }
}

}  // namespace
}  // namespace tavelor::plot

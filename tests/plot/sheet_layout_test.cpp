#include "plot/sheet_layout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "plot/outline_drawing.h"
#include "plot/plan_view.h"
#include "rib/rib.h"

namespace tavelor::plot {
namespace {

// One panel; or, given a middle sweep, two whose joint's leading edge lies that far aft.
wing::WingResults lastTip(double halfSpan, double lastOffset, double tip, double root,
                          double middle = 0) {
  wing::WingResults results;
  results.panels = {{root, tip, middle ? halfSpan / 2 : halfSpan, middle ? middle : lastOffset}};
  if (middle) results.panels.push_back({tip, tip, halfSpan / 2, lastOffset});
  results.halfSpan = halfSpan;
  return results;
}

TEST(SheetLayout, PicksTheScaleFromSpanAndDepth) {
  struct Rule {
    const char* why;
    double halfSpan, lastOffset, tip, root;
    int divisor;  // 0: no scale
    double middle = 0;
  } rules[] = {{"span on the 1/50 threshold", 5000, 0, 200, 300, 20},
               {"span past 5000", 5000.01, 0, 200, 300, 50},
               {"span past 1250", 1250.01, 0, 200, 300, 10},
               {"tip depth exactly 550", 1000, 400, 150, 250, 5},
               {"tip depth past 1100", 1000, 900, 200.01, 300, 20},
               {"forward tip past 1100", 1000, -800.01, 100, 300, 20},
               {"root alone never decides", 1000, 0, 100, 2000, 5},
               {"no span", 0, 0, 200, 300, 0},
               {"no span but a deep tip", 0, 500, 100, 300, 10},
               {"a joint 600 aft, deeper than the tip", 1000, 0, 100, 200, 10, 600},
               {"a joint 600 ahead", 1000, 0, 100, 200, 10, -600}};
  for (const Rule& r : rules) {
    const auto results = lastTip(r.halfSpan, r.lastOffset, r.tip, r.root, r.middle);
    const SheetScale scale = chooseScale(results, wing::wingGeometry(results));
    EXPECT_EQ(scale.divisor.value_or(0), r.divisor) << r.why;
  }
}

TEST(SheetLayout, CentresTheWingInTheBox) {
  struct Case {
    const char* why;
    wing::WingResults results;
    double scale, x, leadingEdge;
  } cases[] = {
      // The root trailing edge sits at the bottom of the extent: 168.48325 - 300 * 0.2.
      {"forward tip at 1/5", lastTip(1000, -100, 200, 300), 0.2, 43.45679, 108.48325},
      // Extent 700 * 0.1 = 70; top = 93.48325; the root leading edge at the top.
      {"deep swept tip at 1/10", lastTip(1000, 400, 300, 300), 0.1, 93.45679, 93.48325},
      // Extent 700 * 0.1 from the root leading edge, as above.
      {"a joint 600 aft at 1/10", lastTip(1000, 0, 100, 200, 600), 0.1, 93.45679, 93.48325},
      // Extent 800 * 0.1 = 80: top = 88.48325, the root's trailing edge at its bottom.
      {"a joint 600 ahead at 1/10", lastTip(1000, 0, 100, 200, -600), 0.1, 93.45679, 148.48325},
  };
  for (const Case& c : cases) {
    const Placement at = placeOnSheet(c.results, wing::wingGeometry(c.results), c.scale);
    EXPECT_NEAR(at.x, c.x, 1e-4) << c.why;
    EXPECT_NEAR(at.y, c.leadingEdge, 1e-4) << c.why;
  }
}

// The plan strip's drawing area, 139.35 by 38.81 mm from (1.32, 0.35), holds a joint beyond the
// root and the tip too.
TEST(SheetLayout, ThePlanStripHoldsTheWholeOutline) {
  for (const double middle : {600.0, -600.0}) {
    const auto results = lastTip(1000, 0, 100, 200, middle);
    for (const Polyline& line : planDrawing(results, wing::wingGeometry(results)).lines)
      for (const wing::Point& p : line.points)
        EXPECT_TRUE(line.role != Role::Outline ||
                    (p.x >= 1.322 && p.x <= 140.68 && p.y >= 0.352 && p.y <= 39.16));
  }
}

// The wing fills the strip's box at whatever scale that takes, no wing drawn at an infinite one.
TEST(SheetLayout, ThePlanFillsItsBoxAtAnyWingSize) {
  struct Row {
    const char* why;
    double halfSpan, chord, width, depth;  // the outline's, on the strip
  } rows[] = {{"a long wing fills the width", 4000, 200, 137.5833, 6.8792},
              {"a metre fills the width too", 1000, 200, 137.5833, 27.5167},
              {"a deep chord fills the height", 500, 400, 46.3021, 37.0417},
              {"a huge wing", 1e90, 1e90, 37.0417, 37.0417},
              {"a tiny wing at the largest magnification", 1e-6, 1e-6, 578e-6, 578e-6}};
  for (const Row& r : rows) {
    const auto results = lastTip(r.halfSpan, 0, r.chord, r.chord);
    Drawing plan = planDrawing(results, wing::wingGeometry(results));
    std::erase_if(plan.lines, [](const Polyline& line) { return line.role != Role::Outline; });
    const Bounds b = boundsOf(plan);
    EXPECT_NEAR(b.max.x - b.min.x, r.width, 1e-4) << r.why;
    EXPECT_NEAR(b.max.y - b.min.y, r.depth, 1e-4) << r.why;
    EXPECT_NEAR((b.min.x + b.max.x) / 2, 1.3229 + 139.3472 / 2, 1e-4) << r.why;
  }
}

// Each rib's line stands across the drawn planform at its station, from the leading edge to the
// trailing edge, its name beside it.
TEST(SheetLayout, ThePlanShowsEachRibAcrossTheOutline) {
  const auto results = lastTip(1000, 100, 100, 200, 600);
  const auto geometry = wing::wingGeometry(results);
  const RibLines ribs = ribLinesOf(rib::wingRibs(geometry, rib::defaultRibSettings()));
  const Drawing plan = planDrawing(results, geometry, ribs);
  Drawing outline, drawn;
  for (const Polyline& line : plan.lines) {
    if (line.role == Role::Outline) outline.lines.push_back(line);
    if (line.role == Role::Rib) drawn.lines.push_back(line);
  }
  // The root's leading edge is the outline's top-left corner; the half span is its width.
  const Bounds b = boundsOf(outline);
  const double k = (b.max.x - b.min.x) / 1000;
  ASSERT_EQ(drawn.lines.size(), ribs.size());
  for (std::size_t i = 0; i < ribs.size(); ++i) {
    const RibLine& r = ribs[i];
    // How far the line's ends lie from where they belong.
    const auto off = [&](std::size_t end, double y) {
      const wing::Point p = drawn.lines[i].points[end];
      return std::hypot(p.x - b.min.x - k * r.station, p.y - b.min.y - k * y);
    };
    EXPECT_LT(off(0, r.leadingEdge) + off(1, r.leadingEdge + r.chord), 1e-9) << r.name;
    EXPECT_EQ(plan.texts.at(i).text, r.name);
  }
}

}  // namespace
}  // namespace tavelor::plot

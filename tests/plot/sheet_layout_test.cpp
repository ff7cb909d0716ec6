#include "plot/sheet_layout.h"

#include <gtest/gtest.h>

#include "sheet_language.h"

namespace tavelor::plot {
namespace {

calc::WingState lastTip(double halfSpan, double lastOffset, double tip, double root) {
  calc::WingState state;
  state.lastPanel = 0;
  state.spanUpTo[0] = halfSpan;
  state.panelLength[0] = halfSpan;
  state.sweepOffset[0] = lastOffset;
  state.tipChord[0] = tip;
  state.rootChord[0] = root;
  return state;
}

struct ScaleRule {
  const char* why;
  double halfSpan, lastOffset, tip, root;
  int divisor;  // 0: no scale
};

class ScaleChoice : public ::testing::TestWithParam<ScaleRule> {};

TEST_P(ScaleChoice, PicksTheDivisor) {
  const auto& rule = GetParam();
  const SheetScale scale =
      chooseScale(lastTip(rule.halfSpan, rule.lastOffset, rule.tip, rule.root));
  EXPECT_EQ(scale.divisor.value_or(0), rule.divisor) << rule.why;
  EXPECT_DOUBLE_EQ(scale.drawScale, rule.divisor ? 56.7 / rule.divisor : 0) << rule.why;
}

INSTANTIATE_TEST_SUITE_P(
    SheetLayout, ScaleChoice,
    ::testing::Values(ScaleRule{"span on the 1/50 threshold", 5000, 0, 200, 300, 20},
                      ScaleRule{"span past 5000", 5000.01, 0, 200, 300, 50},
                      ScaleRule{"span past 1250", 1250.01, 0, 200, 300, 10},
                      ScaleRule{"tip depth exactly 550", 1000, 400, 150, 250, 5},
                      ScaleRule{"tip depth past 1100", 1000, 900, 200.01, 300, 20},
                      ScaleRule{"forward tip past 1100", 1000, -800.01, 100, 300, 20},
                      ScaleRule{"root alone never decides", 1000, 0, 100, 2000, 5},
                      ScaleRule{"no span", 0, 0, 200, 300, 0},
                      ScaleRule{"no span but a deep tip", 0, 500, 100, 300, 10}));

struct Placement {
  const char* why;
  calc::WingState state;
  double drawScale;
  calc::PanelArray stationX, stationTE;
};

class StationPlacement : public ::testing::TestWithParam<Placement> {};

TEST_P(StationPlacement, PlacesEveryPanel) {
  const auto& p = GetParam();
  const Stations stations = placeStations(p.state, p.drawScale);
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(stations.stationX[i], p.stationX[i], 1e-6) << p.why << " panel " << i;
    EXPECT_NEAR(stations.stationTE[i], p.stationTE[i], 1e-6) << p.why << " panel " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    SheetLayout, StationPlacement,
    ::testing::Values(
        // The root trailing edge sits at the bottom of the extent; LE0 = 9553 - 3402 = 6151.
        Placement{"forward tip at 1/5", lastTip(1000, -100, 200, 300), 11.34, {2464}, {9553}},
        Placement{"deep swept tip at 1/10",
                  lastTip(1000, 400, 300, 300),
                  5.67,
                  // E = 700 * 5.67 = 3969; top = 5300.5; TE0 = top + 300 * 5.67.
                  {5299},
                  {7001.5}},
        Placement{"five panels chained root to tip",
                  test::withFivePanels({}),
                  11.34,
                  {2464, 4732, 7000, 9268, 11536},
                  {8986, 8759.2, 8390.65, 8362.3, 8220.55}}));

}  // namespace
}  // namespace tavelor::plot

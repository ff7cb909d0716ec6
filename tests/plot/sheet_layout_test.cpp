#include "plot/sheet_layout.h"

#include <gtest/gtest.h>

#include "plot/number_text.h"
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
  if (rule.divisor == 0) {
    EXPECT_FALSE(scale.divisor) << rule.why;
    EXPECT_EQ(scale.drawScale, 0) << rule.why;
  } else {
    ASSERT_TRUE(scale.divisor) << rule.why;
    EXPECT_EQ(*scale.divisor, rule.divisor) << rule.why;
    EXPECT_DOUBLE_EQ(scale.drawScale, 56.7 / rule.divisor) << rule.why;
  }
}

INSTANTIATE_TEST_SUITE_P(
    SheetLayout, ScaleChoice,
    ::testing::Values(ScaleRule{"span on the 1/50 threshold", 5000, 0, 200, 300, 20},
                      ScaleRule{"span past 5000", 5000.01, 0, 200, 300, 50},
                      ScaleRule{"span on the 1/20 threshold", 2500, 0, 200, 300, 10},
                      ScaleRule{"span past 2500", 2500.01, 0, 200, 300, 20},
                      ScaleRule{"span on the 1/10 threshold", 1250, 0, 200, 300, 5},
                      ScaleRule{"span past 1250", 1250.01, 0, 200, 300, 10},
                      ScaleRule{"straight 2 m wing", 2000, 0, 200, 300, 10},
                      ScaleRule{"swept tip 450 + 150", 1000, 450, 150, 250, 10},
                      ScaleRule{"tip depth exactly 550", 1000, 400, 150, 250, 5},
                      ScaleRule{"tip depth exactly 1100", 1000, 900, 200, 300, 10},
                      ScaleRule{"tip depth past 1100", 1000, 900, 200.01, 300, 20},
                      ScaleRule{"forward tip 260 + root 300", 1000, -260, 200, 300, 10},
                      ScaleRule{"aft tip 260 + 200", 1000, 260, 200, 300, 5},
                      ScaleRule{"forward tip exactly 1100", 1000, -800, 100, 300, 10},
                      ScaleRule{"forward tip past 1100", 1000, -800.01, 100, 300, 20},
                      ScaleRule{"root alone never decides", 1000, 0, 100, 2000, 5},
                      ScaleRule{"no span", 0, 0, 200, 300, 0},
                      ScaleRule{"negative span", -5, 0, 200, 300, 0},
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
        Placement{"straight wing at 1/5", lastTip(1000, 0, 200, 300), 11.34, {2464}, {8986}},
        // The root trailing edge sits at the bottom of the extent; LE0 = 9553 - 3402 = 6151.
        Placement{"forward tip at 1/5", lastTip(1000, -100, 200, 300), 11.34, {2464}, {9553}},
        Placement{"deep swept tip at 1/10",
                  lastTip(1000, 400, 300, 300),
                  5.67,
                  // E = 700 * 5.67 = 3969; top = 5300.5; TE0 = top + 300 * 5.67.
                  {5299},
                  {7001.5}},
        Placement{"no scale", lastTip(0, 0, 200, 300), 0, {8134}, {7285}},
        Placement{"five panels chained root to tip",
                  test::withFivePanels({}),
                  11.34,
                  {2464, 4732, 7000, 9268, 11536},
                  {8986, 8759.2, 8390.65, 8362.3, 8220.55}}));

struct NumberCase {
  double value;
  const char* mark;
  const char* general;
  const char* printed;
};

class NumberForms : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberForms, WritesTheGeneralForm) {
  EXPECT_EQ(generalNumber(GetParam().value, GetParam().mark), GetParam().general);
  EXPECT_EQ(printedNumber(GetParam().value, GetParam().mark), GetParam().printed);
}

INSTANTIATE_TEST_SUITE_P(
    SheetLayout, NumberForms,
    ::testing::Values(NumberCase{1500, ".", "1500", " 1500 "},
                      NumberCase{12.5, ",", "12,5", " 12,5 "},
                      NumberCase{-12.5, ",", "-12,5", "-12,5 "}, NumberCase{0, ".", "0", " 0 "},
                      NumberCase{-0.0, ".", "0", " 0 "}, NumberCase{0.1 + 0.2, ".", "0.3", " 0.3 "},
                      NumberCase{1.0 / 3, ".", "0.333333333333333", " 0.333333333333333 "},
                      NumberCase{123456789012345, ".", "123456789012345", " 123456789012345 "},
                      NumberCase{1e15, ".", "1E+15", " 1E+15 "},
                      NumberCase{0.0001, ",", "0,0001", " 0,0001 "},
                      NumberCase{0.00001, ".", "1E-05", " 1E-05 "},
                      NumberCase{2.5e-7, ",", "2,5E-07", " 2,5E-07 "}));

}  // namespace
}  // namespace tavelor::plot

#include "plot/plan_view.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support/recording_page.h"

namespace tavelor::plot {
namespace {

using ::testing::ElementsAreArray;
using Log = std::vector<std::string>;

struct PanelRow {
  double root, tip, length, sweep;
};

// A wing as the calculation leaves it; only the figures the plan reads are filled in.
calc::WingState wing(const std::vector<PanelRow>& panels, double macLength, double macSpanPos,
                     double centringPos) {
  calc::WingState state;
  double span = 0;
  for (std::size_t i = 0; i < panels.size(); ++i) {
    state.rootChord[i] = panels[i].root;
    state.tipChord[i] = panels[i].tip;
    state.panelLength[i] = panels[i].length;
    state.sweepOffset[i] = panels[i].sweep;
    span += panels[i].length;
    state.spanUpTo[i] = span;
  }
  const auto n = static_cast<std::int16_t>(panels.size() - 1);
  state.lastPanel = n;
  state.macLength[n] = macLength;
  state.macSpanPos[n] = macSpanPos;
  state.centringPos[n] = centringPos;
  return state;
}

Log draw(const calc::WingState& state) {
  testing::RecordingSurface surface;
  drawPlan(state, surface);
  return surface.log;
}

struct Drawing {
  const char* name;
  calc::WingState state;
  Log expected;
};

class WorkedDrawing : public ::testing::TestWithParam<Drawing> {};

TEST_P(WorkedDrawing, DrawsEveryCornerAndMarkInOrder) {
  EXPECT_THAT(draw(GetParam().state), ElementsAreArray(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    PlanView, WorkedDrawing,
    ::testing::Values(
        // sx 7, sy 10: the span decides.
        Drawing{
            "Rectangle",
            wing({{200, 200, 1000, 0}}, 200, 500, 60),
            {"clear", "line 525,1820 525,420", "line 525,420 7525,420", "line 7525,420 7525,1820",
             "line 7525,1820 525,1820", "style dashdotdot", "line 3825,840 4225,840 blue",
             "line 4025,140 4025,2240 red", "line 525,120 525,400 red",
             "line 525,1840 525,2220 red", "line 575,420 4125,420 blue", "style solid"}},
        // 2100 / 200 = 10.5 rounds to the even 10, not 11.
        Drawing{"TaperedTieRoundsToEven",
                wing({{200, 100, 500, 0}}, 150, 220, 45),
                {"clear", "line 1525,2120 1525,120", "line 1525,120 6525,120",
                 "line 6525,120 6525,1120", "line 6525,1120 1525,2120", "style dashdotdot",
                 "line 3525,570 3925,570 blue", "line 3725,-180 3725,2070 red",
                 "line 1525,-180 1525,100 red", "line 1525,2140 1525,2520 red",
                 "line 1575,120 3825,120 blue", "style solid"}},
        // Tip forward of the root: the tip leading edge is the highest point.
        Drawing{
            "ForwardSweep",
            wing({{300, 150, 600, -100}}, 240, 260, 40),
            {"clear", "line 2525,2120 2525,620", "line 2525,620 5525,120", "line 5525,120 5525,870",
             "line 5525,870 2525,2120", "style dashdotdot", "line 3625,820 4025,820 blue",
             "line 3825,220 3825,2020 red", "line 2525,320 2525,600 red",
             "line 2525,2140 2525,2520 red", "line 2575,620 3925,620 blue", "style solid"}},
        // Two panels: the second starts at the first one's tip trailing-edge corner (4525, 1820).
        Drawing{"TwoPanelsChained",
                wing({{200, 150, 300, 20}, {150, 100, 200, 60}}, 160, 210, 50),
                {"clear", "line 1525,2120 1525,120", "line 1525,120 4525,320",
                 "line 4525,320 4525,1820", "line 4525,1820 1525,2120", "line 4525,1820 4525,320",
                 "line 4525,320 6525,720", "line 6525,720 6525,1720", "line 6525,1720 4525,1820",
                 "style dashdotdot", "line 3425,620 3825,620 blue", "line 3625,-180 3625,2220 red",
                 "line 1525,-180 1525,100 red", "line 1525,2140 1525,2520 red",
                 "line 1575,120 3725,120 blue", "style solid"}},
        // A root chord not chained to the previous tip: the panel still starts at that tip's
        // trailing edge, so its leading edge steps down.
        Drawing{"UnchainedRootStartsAtPreviousTip",
                wing({{200, 150, 300, 20}, {120, 100, 200, 60}}, 160, 210, 50),
                {"clear", "line 1525,2120 1525,120", "line 1525,120 4525,320",
                 "line 4525,320 4525,1820", "line 4525,1820 1525,2120", "line 4525,1820 4525,620",
                 "line 4525,620 6525,1020", "line 6525,1020 6525,2020", "line 6525,2020 4525,1820",
                 "style dashdotdot", "line 3425,620 3825,620 blue", "line 3625,-180 3625,2220 red",
                 "line 1525,-180 1525,100 red", "line 1525,2140 1525,2520 red",
                 "line 1575,120 3725,120 blue", "style solid"}},
        // sx = 0: every outline collapses onto (4025, 1120); the marks keep their fixed lengths.
        Drawing{"EightMetreHalfSpanCollapses",
                wing({{200, 200, 8000, 0}}, 200, 4000, 60),
                {"clear", "line 4025,1120 4025,1120", "line 4025,1120 4025,1120",
                 "line 4025,1120 4025,1120", "line 4025,1120 4025,1120", "style dashdotdot",
                 "line 3825,1120 4225,1120 blue", "line 4025,1120 4025,1120 red",
                 "line 4025,820 4025,1100 red", "line 4025,1140 4025,1520 red",
                 "line 4075,1120 4125,1120 blue", "style solid"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlanView, LeftoverPanelsBeyondTheLastAreNotDrawn) {
  auto state = wing({{200, 200, 1000, 0}}, 200, 500, 60);
  state.rootChord[1] = 999;
  state.panelLength[1] = 999;
  EXPECT_EQ(draw(state).size(), 12u);  // clear, 4 outline lines, style, 5 marks, style
}

// A scale too big for 16 bits must not wrap: 7800 / 0.1 = 78000 would wrap to 12464 and throw
// the root far off the strip; pinned to 32767 the tiny wing sits where the arithmetic says.
TEST(PlanView, OversizedScaleIsPinnedNotWrapped) {
  const auto log = draw(wing({{0.02, 0.02, 0.1, 0}}, 0.02, 0.05, 0.006));
  // s = 32767: X0 = (7900 - 0.1 * 32767) / 2 + 75 = 2386.65, depth 655.34.
  ASSERT_GE(log.size(), 2u);
  EXPECT_EQ(log[1], "line 2386.65,1447.67 2386.65,792.33");
}

TEST(PlanView, NegativeSpanPinsTheScaleAtTheBottomOfTheRange) {
  // 7800 / -0.1 = -78000 pins to -32768: X0 = (7900 - 3276.8) / 2 + 75.
  const auto log = draw(wing({{200, 200, -0.1, 0}}, 200, 0, 60));
  ASSERT_GE(log.size(), 2u);
  EXPECT_THAT(log[1], ::testing::StartsWith("line 2386.6,"));
}

struct ScaleCase {
  double quotient;
  std::int16_t scale;
};

class PlanScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(PlanScale, FitsSixteenBits) {
  EXPECT_EQ(toPlanScale(GetParam().quotient), GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(
    PlanView, PlanScale,
    ::testing::Values(ScaleCase{7, 7}, ScaleCase{32767, 32767}, ScaleCase{32768, 32767},
                      ScaleCase{-32768, -32768}, ScaleCase{-32769, -32768},
                      ScaleCase{std::numeric_limits<double>::infinity(), 32767},
                      ScaleCase{-std::numeric_limits<double>::infinity(), -32768},
                      ScaleCase{std::numeric_limits<double>::quiet_NaN(), 32767}));

struct RoundCase {
  double value, rounded;
};

class HalfEven : public ::testing::TestWithParam<RoundCase> {};

TEST_P(HalfEven, RoundsTiesToEven) {
  EXPECT_EQ(roundHalfEven(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(PlanView, HalfEven,
                         ::testing::Values(RoundCase{10.5, 10}, RoundCase{11.5, 12},
                                           RoundCase{10.51, 11}, RoundCase{-10.5, -10},
                                           RoundCase{-11.5, -12}));

}  // namespace
}  // namespace tavelor::plot

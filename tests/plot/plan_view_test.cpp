#include "plot/plan_view.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "sheet_language.h"
#include "support/recording_page.h"

namespace tavelor::plot {
namespace {

// A wing as the calculation leaves it; only the figures the plan reads are filled in. Each
// panel row is root, tip, length, sweep.
calc::WingState wing(const std::vector<calc::PanelArray>& panels, double macLength,
                     double macSpanPos, double centringPos) {
  calc::WingState state;
  for (std::size_t i = 0; i < panels.size(); ++i) {
    state.rootChord[i] = panels[i][0];
    state.tipChord[i] = panels[i][1];
    state.panelLength[i] = panels[i][2];
    state.sweepOffset[i] = panels[i][3];
    state.spanUpTo[i] = (i ? state.spanUpTo[i - 1] : 0) + panels[i][2];
  }
  state.lastPanel = static_cast<std::int16_t>(panels.size() - 1);
  state.macLength.fill(macLength);
  state.macSpanPos.fill(macSpanPos);
  state.centringPos.fill(centringPos);
  return state;
}

std::string draw(const calc::WingState& state) {
  testing::RecordingSurface surface;
  drawPlan(state, surface);
  return test::joined(surface.log);
}

struct Drawing {
  const char* name;
  calc::WingState state;
  std::string expected;  // every entry ended by '|'
};

class WorkedDrawing : public ::testing::TestWithParam<Drawing> {};

TEST_P(WorkedDrawing, DrawsEveryCornerAndMarkInOrder) {
  EXPECT_EQ(draw(GetParam().state), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    PlanView, WorkedDrawing,
    ::testing::Values(
        // sx 7, sy 10: the span decides.
        Drawing{"Rectangle", wing({{200, 200, 1000, 0}}, 200, 500, 60),
                "clear|line 525,1820 525,420|line 525,420 7525,420|line 7525,420 7525,1820|line "
                "7525,1820 525,1820|style dashdotdot|line 3825,840 4225,840 blue|line 4025,140 "
                "4025,2240 red|line 525,120 525,400 red|line 525,1840 525,2220 red|line 575,420 "
                "4125,420 blue|style solid|"},
        // 2100 / 200 = 10.5 rounds to the even 10, not 11.
        Drawing{"TaperedTieRoundsToEven", wing({{200, 100, 500, 0}}, 150, 220, 45),
                "clear|line 1525,2120 1525,120|line 1525,120 6525,120|line 6525,120 6525,1120|line "
                "6525,1120 1525,2120|style dashdotdot|line 3525,570 3925,570 blue|line 3725,-180 "
                "3725,2070 red|line 1525,-180 1525,100 red|line 1525,2140 1525,2520 red|line "
                "1575,120 3825,120 blue|style solid|"},
        // Tip forward of the root: the tip leading edge is the highest point.
        Drawing{"ForwardSweep", wing({{300, 150, 600, -100}}, 240, 260, 40),
                "clear|line 2525,2120 2525,620|line 2525,620 5525,120|line 5525,120 5525,870|line "
                "5525,870 2525,2120|style dashdotdot|line 3625,820 4025,820 blue|line 3825,220 "
                "3825,2020 red|line 2525,320 2525,600 red|line 2525,2140 2525,2520 red|line "
                "2575,620 3925,620 blue|style solid|"},
        // Two panels: the second starts at the first one's tip trailing-edge corner (4525, 1820).
        Drawing{"TwoPanelsChained", wing({{200, 150, 300, 20}, {150, 100, 200, 60}}, 160, 210, 50),
                "clear|line 1525,2120 1525,120|line 1525,120 4525,320|line 4525,320 4525,1820|line "
                "4525,1820 1525,2120|line 4525,1820 4525,320|line 4525,320 6525,720|line 6525,720 "
                "6525,1720|line 6525,1720 4525,1820|style dashdotdot|line 3425,620 3825,620 "
                "blue|line 3625,-180 3625,2220 red|line 1525,-180 1525,100 red|line 1525,2140 "
                "1525,2520 red|line 1575,120 3725,120 blue|style solid|"},
        // sx = 0: every outline collapses onto (4025, 1120); the marks keep their fixed lengths.
        Drawing{"EightMetreHalfSpanCollapses", wing({{200, 200, 8000, 0}}, 200, 4000, 60),
                "clear|line 4025,1120 4025,1120|line 4025,1120 4025,1120|line 4025,1120 "
                "4025,1120|line 4025,1120 4025,1120|style dashdotdot|line 3825,1120 4225,1120 "
                "blue|line 4025,1120 4025,1120 red|line 4025,820 4025,1100 red|line 4025,1140 "
                "4025,1520 red|line 4075,1120 4125,1120 blue|style solid|"}),
    [](const auto& info) { return std::string(info.param.name); });

// Quotients beyond 16 bits are pinned, not wrapped: 7800 / 0.1 = 78000 would wrap to 12464 and
// throw a tiny wing's root far off the strip.
TEST(PlanView, ScaleFitsSixteenBits) {
  EXPECT_EQ(toPlanScale(32767), 32767);
  EXPECT_EQ(toPlanScale(78000), 32767);
  EXPECT_EQ(toPlanScale(-32769), -32768);
  EXPECT_EQ(toPlanScale(-std::numeric_limits<double>::infinity()), -32768);
  EXPECT_EQ(toPlanScale(std::numeric_limits<double>::quiet_NaN()), 32767);
}

}  // namespace
}  // namespace tavelor::plot

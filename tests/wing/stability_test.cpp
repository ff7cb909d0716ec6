// The NP and the CG for a wanted margin, against figures worked out by numerical integration
// of the chords (MAC as ∫c²/S, its LE as ∫c·x_LE/S), independently of the panel formulas.

#include "wing/stability.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace tavelor::wing {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const Panel kTail{130, 90, 220, 15};

// Two panels, 30 % centring: MAC 202.469 mm with its LE 7.407 mm aft of the root LE, A 7.259.
WingResults worked() {
  return computeWing({{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 0}).results.value();
}

TEST(Stability, NeutralPointAndCentringForTheMargin) {
  // Stabiliser area dm², aspect ratio, quarter-chord arm mm, tail volume, NP % and mm, CG for the
  // margin % and mm, current margin %.
  struct Figures {
    double area, aspectRatio, arm, volume, npPercent, np, cgPercent, cg, currentMargin;
  };
  const struct {
    StabilityInputs in;
    Figures expected;
  } cases[] = {
      {{{kTail}, 620, 0.9, 10},
       {4.84, 4.0, 596.8238, 0.528407, 47.96955, 104.5309, 37.96955, 84.2840, 17.96955}},
      {{{{130, 110, 100, 5}, {110, 80, 120, 20}}, 600, 0.8, 5},
       {4.68, 4.136752, 576.2061, 0.493289, 44.27278, 97.0461, 39.27278, 86.9227, 14.27278}},
      // A flying wing: arm and efficiency unused.
      {{{}, 0, kNaN, 10}, {0, 0, 0, 0, 25, 58.0247, 15, 37.7778, -5}},
  };
  for (const auto& [in, e] : cases) {
    SCOPED_TRACE(in.tailArm);
    const auto out = computeStability(in, worked());
    ASSERT_TRUE(out.results);
    const StabilityResults& r = *out.results;
    EXPECT_EQ(r.flyingWing, in.stabiliserPanels.empty());
    EXPECT_NEAR(r.flyingWing ? 0 : r.stabiliser.areaDm2, e.area, 1e-9);
    EXPECT_NEAR(r.flyingWing ? 0 : r.stabiliser.aspectRatio, e.aspectRatio, 1e-6);
    EXPECT_NEAR(r.tailArmAc, e.arm, 1e-4);
    EXPECT_NEAR(r.tailVolume, e.volume, 1e-6);
    EXPECT_NEAR(r.neutralPointPercent, e.npPercent, 1e-5);
    EXPECT_NEAR(r.neutralPoint, e.np, 1e-4);
    EXPECT_NEAR(r.centringPercent, e.cgPercent, 1e-5);
    EXPECT_NEAR(r.centring, e.cg, 1e-4);
    EXPECT_NEAR(r.currentMarginPercent, e.currentMargin, 1e-5);
  }
}

TEST(Stability, RefusesWhatNoTailHas) {
  const struct {
    StabilityInputs in;
    StabilityFault fault;
  } cases[] = {
      {{{kTail}, 620, 0.9, -0.01}, StabilityFault::StaticMargin},
      {{{}, 620, 0.9, 40.01}, StabilityFault::StaticMargin},
      {{{kTail}, 620, 0.9, kNaN}, StabilityFault::StaticMargin},
      {{{kTail}, 620, 0.29, 10}, StabilityFault::TailEfficiency},
      {{{kTail}, 620, 1.01, 10}, StabilityFault::TailEfficiency},
      {{{kTail}, 0, 0.9, 10}, StabilityFault::TailArm},
      {{{kTail}, 20, 0.9, 10}, StabilityFault::TailArm},  // ahead of the wing's quarter chord
      {{{{130, -10, 220, 15}}, 620, 0.9, 10}, StabilityFault::FirstPanel},
      {{{kTail, {90, 60, 0, 30}}, 620, 0.9, 10}, StabilityFault::SecondPanel},
      {{{kTail, kTail, kTail}, 620, 0.9, 10}, StabilityFault::SecondPanel},
  };
  for (const auto& c : cases) {
    const auto out = computeStability(c.in, worked());
    EXPECT_EQ(out.results ? std::nullopt : std::optional(out.fault), c.fault)
        << "row " << &c - cases;
  }
}

}  // namespace
}  // namespace tavelor::wing

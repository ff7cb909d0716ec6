// The NP and the CG for a wanted margin, against figures worked out by numerical integration
// of the chords (MAC as ∫c²/S, its LE as ∫c·x_LE/S), independently of the panel formulas.

#include "wing/stability.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <optional>
#include <utility>

#include "support/example_wing.h"

namespace tavelor::wing {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const Panel kTail{130, 90, 220, 15};

// MAC 202.469 mm with its LE 7.407 mm aft of the root LE, A 7.259.
const WingResults kWing = computeWing(testing::kTwoPanelWing).results.value();

TEST(Stability, NeutralPointAndCentringForTheMargin) {
  // Stabiliser area dm², aspect ratio, quarter-chord arm mm, tail volume, NP % and mm, CG for the
  // margin % and mm, current margin %.
  using Figures = std::array<double, 9>;
  const std::pair<StabilityInputs, Figures> cases[] = {
      {{{kTail}, 620, 0.9, 10},
       {4.84, 4.0, 596.8238, 0.528407, 47.96955, 104.5309, 37.96955, 84.2840, 17.96955}},
      {{{{130, 110, 100, 5}, {110, 80, 120, 20}}, 600, 0.8, 5},
       {4.68, 4.136752, 576.2061, 0.493289, 44.27278, 97.0461, 39.27278, 86.9227, 14.27278}},
      // A flying wing: arm and efficiency unused.
      {{{}, 0, kNaN, 10}, {0, 0, 0, 0, 25, 58.0247, 15, 37.7778, -5}},
  };
  for (const auto& [in, expected] : cases) {
    const auto out = computeStability(in, kWing);
    ASSERT_TRUE(out.results);
    const StabilityResults& r = *out.results;
    EXPECT_EQ(r.flyingWing, in.stabiliserPanels.empty());
    const Figures got = {
        r.stabiliser.areaDm2,  r.stabiliser.aspectRatio, r.tailArmAc,       r.tailVolume,
        r.neutralPointPercent, r.neutralPoint,           r.centringPercent, r.centring,
        r.currentMarginPercent};
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_NEAR(got[i], expected[i], 1e-4) << "figure " << i << ", tail arm " << in.tailArm;
    }
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
    const auto out = computeStability(c.in, kWing);
    EXPECT_EQ(out.results ? std::nullopt : std::optional(out.fault), c.fault)
        << "row " << &c - cases;
  }
}

}  // namespace
}  // namespace tavelor::wing

#pragma once

// Where the centring point belongs: the neutral point (NP) of wing and horizontal stabiliser,
// and the CG that leaves a wanted static margin ahead of it.
//
// - horizontal stabiliser: 0, 1 or 2 trapezoidal panels, described like the wing's (its sweep
//   measured from its own root leading edge); none means a flying wing;
// - tail arm: mm from the wing's root LE to the stabiliser's root LE, positive (the stabiliser
//   sits behind the wing; a canard is not covered);
// - tail efficiency η: the share of dynamic pressure the stabiliser still sees;
// - neutral point: the CG at which the model is neutrally stable, as a fraction of the MAC behind
//   its LE;
// - static margin: how far, in % of the MAC, the CG lies ahead of the NP.
//
// The model is the classic linear one: lift slopes from the aspect ratios, the downwash gradient
// of an elliptic wing, aerodynamic centres at the quarter chord of each MAC.

#include <optional>
#include <vector>

#include "wing/wing.h"

namespace tavelor::wing {

inline constexpr int kMaxStabiliserPanels = 2;
inline constexpr double kMinTailEfficiency = 0.3;
inline constexpr double kMaxTailEfficiency = 1.0;
inline constexpr double kMaxStaticMarginPercent = 40;

struct StabilityInputs {
  std::vector<Panel> stabiliserPanels;  // root panel first, 0 to kMaxStabiliserPanels
  double tailArm = 0;                   // mm
  double tailEfficiency = 0.9;
  double staticMarginPercent = 10;  // wanted, % of the MAC
};

struct StabilityResults {
  bool flyingWing = false;   // no stabiliser: the NP is the wing's quarter chord
  WingResults stabiliser;    // its own figures (mm from its root LE); empty for a flying wing
  double tailArmAc = 0;      // mm between the wing's and the stabiliser's quarter-chord points
  double tailVolume = 0;     // S_t · l_t / (S_w · c)
  double wingLiftSlope = 0;  // per radian
  double tailLiftSlope = 0;
  double downwashGradient = 0;      // dε/dα
  double neutralPointPercent = 0;   // % of the MAC behind its LE
  double neutralPoint = 0;          // mm aft of the wing's root LE
  double centringPercent = 0;       // the CG for the wanted margin, % of the MAC
  double centring = 0;              // the same, mm aft of the wing's root LE
  double currentMarginPercent = 0;  // the margin the wing's own centring gives
};

// The input a result could not be computed from.
enum class StabilityFault {
  FirstPanel,      // the stabiliser's panel 1 is no trapezoid
  SecondPanel,     // panel 2 is none (or there are more panels than kMaxStabiliserPanels)
  TailArm,         // not above 0, or too short to put the stabiliser behind the wing
  TailEfficiency,  // outside kMinTailEfficiency..kMaxTailEfficiency
  StaticMargin,    // outside 0..kMaxStaticMarginPercent
};

struct StabilityOutcome {
  std::optional<StabilityResults> results;
  StabilityFault fault = StabilityFault::FirstPanel;  // meaningful when results is empty
};

// Computes the NP and the CG for the wanted margin of a wing computed by computeWing. The tail
// arm and efficiency are only checked when there is a stabiliser.
StabilityOutcome computeStability(const StabilityInputs& inputs, const WingResults& wing);

}  // namespace tavelor::wing

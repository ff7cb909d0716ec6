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
// The neutral point comes from a vortex lattice over flat surfaces (no camber, twist, dihedral
// or fuselage): the wing's half mirrored, the stabiliser at the tail arm and its height.

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
  double stabiliserHeight = 0;      // mm above the wing's plane (negative: below)
};

// The wing's spanwise load at one station of the half-wing, from the lattice.
struct SpanLoadPoint {
  double station = 0;    // mm from the root
  double load = 0;       // c·cl / (c_mean·CL): 1 everywhere for a rectangle with uniform lift
  double localLift = 0;  // cl / CL: where it peaks, the wing stalls first
};

struct StabilityResults {
  bool flyingWing = false;   // no stabiliser: the NP is the wing's own aerodynamic centre
  WingResults stabiliser;    // its own figures (mm from its root LE); empty for a flying wing
  double tailArmAc = 0;      // mm between the wing's and the stabiliser's quarter-chord points
  double tailVolume = 0;     // S_t · l_t / (S_w · c)
  double liftSlope = 0;      // per radian, the whole model (wing and stabiliser, by wing area)
  double wingLiftSlope = 0;  // per radian, the wing alone
  double wingAerodynamicCentrePercent = 0;  // the wing alone, % of the MAC behind its LE
  std::vector<SpanLoadPoint> wingSpanLoad;  // root to tip
  double neutralPointPercent = 0;           // % of the MAC behind its LE
  double neutralPoint = 0;                  // mm aft of the wing's root LE
  double centringPercent = 0;               // the CG for the wanted margin, % of the MAC
  double centring = 0;                      // the same, mm aft of the wing's root LE
  double currentMarginPercent = 0;          // the margin the wing's own centring gives
};

// The input a result could not be computed from.
enum class StabilityFault {
  FirstPanel,      // the stabiliser's panel 1 is no trapezoid
  SecondPanel,     // panel 2 is none (or there are more panels than kMaxStabiliserPanels)
  TailArm,         // not above 0, or too short to put the stabiliser behind the wing
  TailEfficiency,  // outside kMinTailEfficiency..kMaxTailEfficiency
  StaticMargin,    // outside 0..kMaxStaticMarginPercent
  Height,          // the stabiliser's height is no finite length
};

struct StabilityOutcome {
  std::optional<StabilityResults> results;
  StabilityFault fault = StabilityFault::FirstPanel;  // meaningful when results is empty
};

// Computes the NP and the CG for the wanted margin of a wing computed by computeWing. The tail
// arm, efficiency and height are only checked when there is a stabiliser. meshRefinement
// multiplies the lattice's panel counts in both directions.
StabilityOutcome computeStability(const StabilityInputs& inputs, const WingResults& wing,
                                  int meshRefinement = 1);

}  // namespace tavelor::wing

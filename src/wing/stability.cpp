#include "wing/stability.h"

#include <cmath>

#include "wing/geometry.h"
#include "wing/vortex_lattice.h"

namespace tavelor::wing {

namespace {

// Lattice panels over the half span and along the chord, before refinement: doubling them moves
// the neutral point by less than 0.1 % of the MAC. A flying wing's lattice can be finer in the
// same time; behind a wing the stabiliser needs many strips, which the wing then shares.
struct Mesh {
  int strips, chordwise;
};
constexpr Mesh kFlyingWing{20, 16}, kWingAhead{16, 8}, kStabiliser{32, 4};

// A stabiliser panel has a chord at its root and a length (the wing's calculation refuses the
// rest: sizes that are negative, not finite or beyond any model).
bool isTrapezoid(const Panel& p) { return p.rootChord > 0 && p.length > 0; }

std::optional<WingResults> computeStabiliser(const std::vector<Panel>& panels) {
  // The centring plays no part in the stabiliser's figures.
  WingOutcome outcome = computeWing({panels, 25, 0});
  return outcome.results;
}

// Whether v lies in lo..hi; NaN does not.
bool within(double v, double lo, double hi) { return v >= lo && v <= hi; }

// A half-surface's lift and its moment about the wing's root LE, both halves, for a unit
// angle of attack.
struct Totals {
  double lift = 0, moment = 0;
};
Totals totals(const SurfaceLoad& strips) {
  Totals t;
  for (const StripLoad& s : strips) {
    t.lift += 2 * s.lift * s.width;
    t.moment += 2 * s.moment * s.width;
  }
  return t;
}

// The lattice's figures: lift slopes by the wing's area, the NP as the point about which the
// pitching moment does not change with the angle of attack, and the wing's own load.
void addLatticeFigures(const StabilityInputs& in, const WingResults& wing, int refinement,
                       StabilityResults& r) {
  const Mesh wingMesh = r.flyingWing ? kFlyingWing : kWingAhead;
  std::vector<LatticeSurface> surfaces{{wingGeometry(wing).panels, 0, 0,
                                        wingMesh.strips * refinement,
                                        wingMesh.chordwise * refinement}};
  if (!r.flyingWing) {
    surfaces.push_back({wingGeometry(r.stabiliser).panels, in.tailArm, in.stabiliserHeight,
                        kStabiliser.strips * refinement, kStabiliser.chordwise * refinement});
  }
  const LatticeLoads loads = solveLattice(surfaces);
  const double dynamicPressure = 0.5;  // unit air density and speed
  const double area = wing.areaDm2 * 1e4;
  const auto percentOfMac = [&](double x) {
    return (x - wing.macLeadingEdge) / wing.macLength * 100;
  };
  const Totals alone = totals(loads.firstAlone);
  r.wingLiftSlope = alone.lift / (dynamicPressure * area);
  r.wingAerodynamicCentrePercent = percentOfMac(alone.moment / alone.lift);
  Totals model = totals(loads.together[0]);
  if (!r.flyingWing) {
    const Totals tail = totals(loads.together[1]);
    model.lift += in.tailEfficiency * tail.lift;
    model.moment += in.tailEfficiency * tail.moment;
  }
  r.liftSlope = model.lift / (dynamicPressure * area);
  r.neutralPointPercent = percentOfMac(model.moment / model.lift);
  const double meanChord = area / wing.span;
  for (const StripLoad& s : loads.firstAlone) {
    const double lift = s.lift / (dynamicPressure * r.wingLiftSlope);
    r.wingSpanLoad.push_back({s.station, lift / meanChord, lift / s.chord});
  }
}

}  // namespace

StabilityOutcome computeStability(const StabilityInputs& in, const WingResults& wing,
                                  int meshRefinement) {
  if (!within(in.staticMarginPercent, 0, kMaxStaticMarginPercent)) {
    return {std::nullopt, StabilityFault::StaticMargin};
  }
  const double c = wing.macLength;
  StabilityResults r;
  const auto& panels = in.stabiliserPanels;
  r.flyingWing = panels.empty();

  if (!r.flyingWing) {
    if (!isTrapezoid(panels[0]) || !computeStabiliser({panels[0]})) {
      return {std::nullopt, StabilityFault::FirstPanel};
    }
    if (panels.size() > static_cast<std::size_t>(kMaxStabiliserPanels) ||
        (panels.size() == 2 && !isTrapezoid(panels[1]))) {
      return {std::nullopt, StabilityFault::SecondPanel};
    }
    auto stabiliser = computeStabiliser(panels);
    if (!stabiliser) return {std::nullopt, StabilityFault::SecondPanel};
    if (!within(in.tailEfficiency, kMinTailEfficiency, kMaxTailEfficiency)) {
      return {std::nullopt, StabilityFault::TailEfficiency};
    }
    if (!std::isfinite(in.stabiliserHeight)) return {std::nullopt, StabilityFault::Height};
    r.stabiliser = std::move(*stabiliser);
    const WingResults& t = r.stabiliser;
    const double wingAc = wing.macLeadingEdge + c / 4;
    const double tailAc = in.tailArm + t.macLeadingEdge + t.macLength / 4;
    r.tailArmAc = tailAc - wingAc;
    // The stabiliser must lie behind the wing, its lift acting behind the wing's.
    if (!(in.tailArm > 0 && r.tailArmAc > 0 && std::isfinite(r.tailArmAc))) {
      return {std::nullopt, StabilityFault::TailArm};
    }
    r.tailVolume = t.areaDm2 * r.tailArmAc / (wing.areaDm2 * c);
  }

  addLatticeFigures(in, wing, meshRefinement, r);
  if (!std::isfinite(r.neutralPointPercent)) return {std::nullopt, StabilityFault::TailArm};
  const double hn = r.neutralPointPercent / 100;
  const double hcg = hn - in.staticMarginPercent / 100;
  r.neutralPoint = wing.macLeadingEdge + hn * c;
  r.centringPercent = hcg * 100;
  r.centring = wing.macLeadingEdge + hcg * c;
  r.currentMarginPercent = r.neutralPointPercent - wing.centringPercent;
  return {std::move(r), StabilityFault::FirstPanel};
}

}  // namespace tavelor::wing

#include "wing/stability.h"

#include <cmath>
#include <numbers>

namespace tavelor::wing {

namespace {

// The lift slope per radian of a wing of aspect ratio A (Helmbold's short form).
double liftSlope(double aspectRatio) { return 2 * std::numbers::pi / (1 + 2 / aspectRatio); }

// Negative chords or lengths can still give a positive area; no stabiliser panel has them.
bool isTrapezoid(const Panel& p) {
  return std::isfinite(p.sweep) && p.rootChord > 0 && p.tipChord >= 0 && p.length > 0 &&
         std::isfinite(p.rootChord) && std::isfinite(p.tipChord) && std::isfinite(p.length);
}

std::optional<WingResults> computeStabiliser(const std::vector<Panel>& panels) {
  // The centring plays no part in the stabiliser's figures.
  WingOutcome outcome = computeWing({panels, 25, 0});
  return outcome.results;
}

// Whether v lies in lo..hi; NaN does not.
bool within(double v, double lo, double hi) { return v >= lo && v <= hi; }

}  // namespace

StabilityOutcome computeStability(const StabilityInputs& in, const WingResults& wing) {
  if (!within(in.staticMarginPercent, 0, kMaxStaticMarginPercent)) {
    return {std::nullopt, StabilityFault::StaticMargin};
  }
  const double c = wing.macLength;
  StabilityResults r;
  double hn = 0.25;
  const auto& panels = in.stabiliserPanels;
  r.flyingWing = panels.empty();
  r.wingLiftSlope = liftSlope(wing.aspectRatio);
  const double downwashGradient = 2 * r.wingLiftSlope / (std::numbers::pi * wing.aspectRatio);

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
    const double tailLiftSlope = liftSlope(t.aspectRatio);
    hn += in.tailEfficiency * r.tailVolume * (tailLiftSlope / r.wingLiftSlope) *
          (1 - downwashGradient);
    if (!std::isfinite(hn)) return {std::nullopt, StabilityFault::TailArm};
  }

  const double hcg = hn - in.staticMarginPercent / 100;
  r.neutralPointPercent = hn * 100;
  r.neutralPoint = wing.macLeadingEdge + hn * c;
  r.centringPercent = hcg * 100;
  r.centring = wing.macLeadingEdge + hcg * c;
  r.currentMarginPercent = r.neutralPointPercent - wing.centringPercent;
  return {std::move(r), StabilityFault::FirstPanel};
}

}  // namespace tavelor::wing

#include "wing/wing.h"

#include <cmath>
#include <cstddef>

namespace tavelor::wing {

namespace {

// Each panel on its own: its area, mean chord, the chord's station, leading edge and centring
// point; the running span and area are kept as the wing up to that panel.
void computePanels(const WingInputs& in, WingResults& w, double& areaMm2, double& taperCheck) {
  double s = 0;  // running span, mm
  double a = 0;  // running area, mm²
  const std::size_t n = in.panels.size();
  w.figures.assign(n, {});
  for (std::size_t i = 0; i < n; ++i) {
    const Panel& p = in.panels[i];
    PanelFigures& f = w.figures[i];
    s = s + p.length;
    f.spanToTip = s;

    const double m = (p.tipChord + p.rootChord) / 2;
    f.areaDm2 = p.length * m / 10000;
    a = p.length * m + a;
    f.areaUpToDm2 = a / 10000;

    const double lambda = p.tipChord / p.rootChord;
    taperCheck += lambda;
    f.macLength = (2.0 / 3.0) * p.rootChord * (lambda * lambda + lambda + 1) / (lambda + 1);

    // The station where the chord equals the mean chord (the area's spanwise centroid).
    f.macStation = p.rootChord == p.tipChord
                       ? p.length / 2
                       : p.length * (p.rootChord - f.macLength) / (p.rootChord - p.tipChord);

    if (i == 0) {
      f.macLeadingEdge = f.macStation * (p.sweep / p.length);
    } else {
      const double previousSweep = in.panels[i - 1].sweep;
      f.macLeadingEdge = f.macStation * ((p.sweep - previousSweep) / p.length) + previousSweep;
    }
    f.centring = f.macLeadingEdge + f.macLength * in.centringPercent / 100;
  }
  w.halfSpan = s;
  areaMm2 = a;
  w.aspectRatio = ((2 * s) * s * 2) / (2 * a);
  w.span = 2 * s;
  w.areaDm2 = 2 * a / 10000;
}

// Merges the panels root first, each moving the merged point towards the next panel's own point
// by that panel's share of the area.
void mergePanels(WingResults& w) {
  auto& f = w.figures;
  for (std::size_t i = 1; i < f.size(); ++i) {
    const double d = f[i - 1].spanToTip - f[i - 1].macStation + f[i].macStation;
    const double q = f[i].areaDm2 / (f[i].areaUpToDm2 / d);
    const double ownMacLength = f[i].macLength;
    f[i].macStation = f[i - 1].macStation + q;
    f[i].centring = f[i - 1].centring + q * ((f[i].centring - f[i - 1].centring) / d);
    f[i].macLeadingEdge =
        f[i - 1].macLeadingEdge + q * ((f[i].macLeadingEdge - f[i - 1].macLeadingEdge) / d);
    if (w.centringPercent != 0) {
      f[i].macLength = (f[i].centring - f[i].macLeadingEdge) / w.centringPercent * 100;
    } else {
      // The centring point coincides with the leading edge and carries no chord: take the
      // area-weighted mean of the mean chords directly (the same value for any other centring).
      const double share = f[i].areaDm2 / f[i].areaUpToDm2;
      f[i].macLength = f[i - 1].macLength + share * (ownMacLength - f[i - 1].macLength);
    }
  }
}

// Whether every size is one a wing can have: a real number, no chord or length below zero and
// none beyond kMaxSize either way. The outline's points, sums of at most a few such sizes, are
// then real numbers too.
bool panelsAreSound(const std::vector<Panel>& panels) {
  for (const Panel& p : panels) {
    for (const double value : {p.rootChord, p.tipChord, p.length, p.sweep}) {
      if (!(std::fabs(value) <= kMaxSize)) return false;
    }
    if (p.rootChord < 0 || p.tipChord < 0 || p.length < 0) return false;
  }
  return true;
}

// Whether every figure is a real number and the wing has a size: anything else comes from input
// no wing can have (zero chords and lengths).
bool geometryIsSound(const WingResults& w, double areaMm2, double taperCheck) {
  for (const PanelFigures& f : w.figures) {
    for (const double value : {f.areaDm2, f.spanToTip, f.areaUpToDm2, f.macLength, f.macStation,
                               f.macLeadingEdge, f.centring}) {
      if (!std::isfinite(value)) return false;
    }
  }
  for (const double value : {w.halfSpan, areaMm2, w.aspectRatio, w.span, w.areaDm2, taperCheck}) {
    if (!std::isfinite(value)) return false;
  }
  return w.halfSpan > 0 && areaMm2 > 0 && w.areaDm2 > 0;
}

}  // namespace

WingOutcome computeWing(const WingInputs& inputs) {
  if (inputs.panels.empty() || inputs.panels.size() > static_cast<std::size_t>(kMaxPanels)) {
    return {};
  }
  if (!panelsAreSound(inputs.panels)) return {std::nullopt, WingFault::Geometry};
  WingResults w;
  w.panels = inputs.panels;
  w.centringPercent = inputs.centringPercent;
  double areaMm2 = 0;
  double taperCheck = 0;
  computePanels(inputs, w, areaMm2, taperCheck);
  mergePanels(w);
  if (!geometryIsSound(w, areaMm2, taperCheck)) return {std::nullopt, WingFault::Geometry};

  const PanelFigures& whole = w.figures.back();
  w.macLength = whole.macLength;
  w.macStation = whole.macStation;
  w.macLeadingEdge = whole.macLeadingEdge;
  w.centring = whole.centring;
  w.mass = inputs.mass;
  w.wingLoading = w.mass / w.areaDm2;
  w.cubeLoading = w.wingLoading / std::sqrt(w.areaDm2);
  if (!(w.mass >= 0) || !std::isfinite(w.mass) || !std::isfinite(w.wingLoading)) {
    return {std::nullopt, WingFault::Mass};
  }
  return {std::move(w), WingFault::Geometry};
}

}  // namespace tavelor::wing

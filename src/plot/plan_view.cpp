#include "plot/plan_view.h"

#include <algorithm>
#include <cmath>

#include "plot/plan_figure.h"

namespace tavelor::plot {

namespace {

// The plan's scale moves in whole steps of 1/1440 inch per millimetre of wing, so that a wing is
// drawn exactly as large as it always was; the quotients below count those steps.
constexpr double kStepMm = 25.4 / 1440;

// A whole number of steps pinned to -32768..32767 (NaN to 32767): a wing too small to measure
// (or none at all) is drawn at that magnification rather than at an infinite one.
double wholeSteps(double quotient) {
  if (std::isnan(quotient) || quotient >= 32767.0) return 32767;
  return std::max(quotient, -32768.0);
}

// Rounds to the nearest whole number, a tie to the even one (10.5 -> 10, 11.5 -> 12).
double roundHalfEven(double value) {
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return std::round(value);
}

}  // namespace

Drawing planDrawing(const wing::WingResults& results, const wing::WingGeometry& geometry,
                    const RibLines& ribs) {
  const double halfSpan = bounded(results.halfSpan);
  const ChordwiseReach reach = chordwiseReach(results, geometry);
  const double c0 = reach.root;
  const double le = reach.leading;
  const double te = reach.trailing;

  // The strip holds 7800 steps for the span and about 2100 to 2300 for the chord.
  const double sx = wholeSteps(std::floor(7800.0 / halfSpan));
  double sy = 0;
  if (le < 0) {
    sy = wholeSteps(std::floor(2300.0 / (std::max(c0, te) - le)));
  } else {
    sy = wholeSteps(std::floor(2100.0 / te));
    if (te < c0) sy = wholeSteps(roundHalfEven(2100.0 / c0));
  }
  const double s = std::min(sx, sy);

  const double depth = le < 0 ? (std::max(c0, te) - le) * s : s * std::max(te, c0);
  const double top = (2200.0 - depth) / 2.0 + 20.0;
  const double rootTrailing = le < 0 ? top + (c0 - le) * s : top + c0 * s;
  const Placement at{((7900.0 - halfSpan * s) / 2.0 + 75.0) * kStepMm,
                     (rootTrailing - c0 * s) * kStepMm, s * kStepMm};

  Drawing drawing;
  addWingFigure(drawing, geometry, results.macLength, at);
  addRibFigure(drawing, ribs, at, 4);
  return drawing;
}

Drawing stabilityPlanDrawing(const wing::WingGeometry& wing, const wing::WingGeometry* tail,
                             double tailArm) {
  Drawing drawing;
  addPanelOutlines(drawing, wing, {0, 0, 1});
  if (tail != nullptr) addPanelOutlines(drawing, *tail, {0, tailArm, 1});
  const Bounds reach = boundsOf(drawing);
  // First, so the outlines are drawn over it.
  drawing.lines.insert(drawing.lines.begin(),
                       {Role::RootAxis, {{0, reach.min.y}, {0, reach.max.y}}});
  return drawing;
}

}  // namespace tavelor::plot

#include "plot/plan_view.h"

#include <algorithm>
#include <cmath>

#include "plot/surface_coords.h"

namespace tavelor::plot {

std::int16_t toPlanScale(double wholeQuotient) {
  if (std::isnan(wholeQuotient) || wholeQuotient >= 32767.0) return 32767;
  if (wholeQuotient <= -32768.0) return -32768;
  return static_cast<std::int16_t>(wholeQuotient);
}

double roundHalfEven(double value) {
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return std::round(value);
}

void drawPlan(const wing::WingResults& results, const wing::WingGeometry& geometry,
              DrawingSurface& surface) {
  const double halfSpan = bounded(results.halfSpan);
  const ChordwiseReach reach = chordwiseReach(results, geometry);
  const double c0 = reach.root;
  const double le = reach.leading;
  const double te = reach.trailing;

  surface.clear();

  // The strip is 7800 twips wide for the span and about 2100 to 2300 deep for the chord.
  const std::int16_t sx = toPlanScale(std::floor(7800.0 / halfSpan));
  std::int16_t sy = 0;
  if (le < 0) {
    sy = toPlanScale(std::floor(2300.0 / (std::max(c0, te) - le)));
  } else {
    sy = toPlanScale(std::floor(2100.0 / te));
    if (te < c0) sy = toPlanScale(roundHalfEven(2100.0 / c0));
  }
  const double s = sx <= sy ? sx : sy;

  const double depth = le < 0 ? (std::max(c0, te) - le) * s : s * std::max(te, c0);
  const double top = (2200.0 - depth) / 2.0 + 20.0;
  const double rootTrailing = le < 0 ? top + (c0 - le) * s : top + c0 * s;
  const Placement at{(7900.0 - halfSpan * s) / 2.0 + 75.0, rootTrailing - c0 * s, s};

  drawOutline(surface, geometry, at);
  surface.setLineStyle(LineStyle::DashDotDot);
  drawMarks(surface, geometry, results.macLength, at, kRed, kBlue);
  surface.setLineStyle(LineStyle::Solid);
}

}  // namespace tavelor::plot

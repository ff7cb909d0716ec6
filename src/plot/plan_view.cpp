#include "plot/plan_view.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "plot/surface_coords.h"

namespace tavelor::plot {

std::int16_t toPlanScale(double wholeQuotient) {
  if (std::isnan(wholeQuotient) || wholeQuotient >= 32767.0) {
    return 32767;
  }
  if (wholeQuotient <= -32768.0) {
    return -32768;
  }
  return static_cast<std::int16_t>(wholeQuotient);
}

double roundHalfEven(double value) {
  if (std::fabs(value - std::trunc(value)) == 0.5) {
    return 2.0 * std::round(value / 2.0);
  }
  return std::round(value);
}

void drawPlan(const calc::WingState& state, DrawingSurface& surface) {
  const int n = lastPanelIndex(state);
  const double halfSpan = state.spanUpTo[n];
  const double c0 = state.rootChord[0];
  const double dn = state.sweepOffset[n];
  const double tn = state.tipChord[n];

  surface.clear();

  // The strip is 7800 twips wide for the span and about 2100 to 2300 deep for the chord.
  const std::int16_t sx = toPlanScale(std::floor(7800.0 / halfSpan));
  std::int16_t sy = 0;
  if (dn < 0) {
    sy = toPlanScale(std::floor(2300.0 / (std::fabs(dn) + c0)));
  } else {
    sy = toPlanScale(std::floor(2100.0 / (dn + tn)));
    if (dn + tn < c0) {
      sy = toPlanScale(roundHalfEven(2100.0 / c0));
    }
  }
  const double s = sx <= sy ? sx : sy;

  std::array<double, 5> x{};
  std::array<double, 5> y{};
  x[0] = (7900.0 - halfSpan * s) / 2.0 + 75.0;
  const double depth = dn < 0 ? (c0 - dn) * s : s * std::max(dn + tn, c0);
  y[0] = dn < 0 ? (2200.0 - depth) / 2.0 + 20.0 + depth : (2200.0 - depth) / 2.0 + 20.0 + c0 * s;

  for (int i = 0; i <= n; ++i) {
    if (i >= 1) {
      // Each panel starts at the previous panel's tip trailing-edge corner.
      x[i] = x[i - 1] + state.panelLength[i - 1] * s;
      y[i] = y[i - 1] + s * (state.tipChord[i - 1] - state.rootChord[i - 1] +
                             state.sweepOffset[i - 1] - previousSweep(state, i - 1));
    }
    drawPanelOutline(surface, state, i, x[i], y[i], s);
  }

  surface.setLineStyle(LineStyle::DashDotDot);
  const double yLE = y[0] - c0 * s;
  const double xM = x[0] + state.macSpanPos[n] * s;
  const double yC = yLE + state.centringPos[n] * s;
  const double m = state.macLength[n] * s;
  auto line = [&surface](double x1, double y1, double x2, double y2, Rgb colour) {
    surface.drawLine(toSurface(x1), toSurface(y1), toSurface(x2), toSurface(y2), colour);
  };
  line(xM - 200, yC, xM + 200, yC, kBlue);
  line(xM, yC - m / 2, xM, yC + m, kRed);
  line(x[0], yLE - 300, x[0], yLE - 20, kRed);
  line(x[0], y[0] + 20, x[0], y[0] + 400, kRed);
  line(x[0] + 50, yLE, xM + 100, yLE, kBlue);
  surface.setLineStyle(LineStyle::Solid);
}

}  // namespace tavelor::plot

#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

#include "wing/geometry.h"

namespace tavelor::plot {

// Surfaces take single-precision coordinates; a double beyond float's range would make the
// conversion undefined, so it is pinned to the largest finite float first.
inline float toSurface(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::max();
  if (value < -kMax) return std::numeric_limits<float>::lowest();
  return static_cast<float>(value);  // NaN passes through unchanged
}

// A wing length as the layouts read it: figures beyond any wing are pinned to +/-1e100 mm, so
// that sums and products of a few of them at any scale stay finite and no infinity minus
// infinity turns a line into NaN. Every real wing passes unchanged.
inline double bounded(double millimetres) {
  constexpr double kLimit = 1e100;
  return std::isfinite(millimetres) ? std::clamp(millimetres, -kLimit, kLimit) : millimetres;
}

// How far the outline reaches chordwise, as the plan and the sheet size it: the root chord, and
// the last tip's leading and trailing edges, unless another corner lies further forward (or aft)
// than both the root and the last tip: that corner then takes the last tip's place.
struct ChordwiseReach {
  double root, leading, trailing;
};
inline ChordwiseReach chordwiseReach(const wing::WingResults& results,
                                     const wing::WingGeometry& geometry) {
  const wing::Panel& last = results.panels.back();
  const double root = bounded(results.panels.front().rootChord);
  const double sweep = bounded(last.sweep);
  const double tipTrailing = sweep + bounded(last.tipChord);
  const double minY = bounded(geometry.minY), maxY = bounded(geometry.maxY);
  return {root, minY < std::min(0.0, sweep) ? minY : sweep,
          maxY > std::max(root, tipTrailing) ? maxY : tipTrailing};
}

// Where the wing's points land on a surface: the root leading edge at (x, y), scale surface
// units per millimetre.
struct Placement {
  double x = 0;
  double y = 0;
  double scale = 0;
  double atX(const wing::Point& p) const { return x + bounded(p.x) * scale; }
  double atY(const wing::Point& p) const { return y + bounded(p.y) * scale; }
};

// Every panel's closed outline: root trailing edge, root leading edge, tip leading edge, tip
// trailing edge, back to the start. Shared by the screen and the sheet.
template <class Surface>
void drawOutline(Surface& surface, const wing::WingGeometry& geometry, const Placement& at) {
  for (const wing::PanelOutline& o : geometry.panels) {
    const wing::Point corners[] = {o.rootTrailingEdge, o.rootLeadingEdge, o.tipLeadingEdge,
                                   o.tipTrailingEdge, o.rootTrailingEdge};
    for (int i = 0; i < 4; ++i) {
      surface.drawLine(toSurface(at.atX(corners[i])), toSurface(at.atY(corners[i])),
                       toSurface(at.atX(corners[i + 1])), toSurface(at.atY(corners[i + 1])));
    }
  }
}

// The marks of the plan and the sheet, in surface units from the placement: the centring point
// (blue, a short level line), the mean chord (red, half a chord ahead of the centring point to
// a chord behind it), red ticks above the root's leading edge and below its trailing edge, and
// a blue leading-edge line from the root to the mean chord. The offsets are fixed surface units
// so the marks stay visible at every scale.
template <class Surface, class Colour>
void drawMarks(Surface& surface, const wing::WingGeometry& geometry, double macLength,
               const Placement& at, Colour red, Colour blue) {
  const double x0 = at.x;
  const double le0 = at.y;
  const double te0 = at.atY(geometry.rootTrailingEdge);
  const double xs = at.atX(geometry.centring);
  const double yc = at.atY(geometry.centring);
  const double m = bounded(macLength) * at.scale;
  auto line = [&surface](double x1, double y1, double x2, double y2, Colour colour) {
    surface.drawLine(toSurface(x1), toSurface(y1), toSurface(x2), toSurface(y2), colour);
  };
  line(xs - 200, yc, xs + 200, yc, blue);
  line(xs, yc - m / 2, xs, yc + m, red);
  line(x0, le0 - 300, x0, le0 - 20, red);
  line(x0, te0 + 20, x0, te0 + 400, red);
  line(x0 + 50, le0, xs + 100, le0, blue);
}

}  // namespace tavelor::plot

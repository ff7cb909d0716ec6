#pragma once

// The half-wing as the plan strip and the printed sheet show it: every panel's outline and the
// coloured marks, placed and scaled on the picture's own millimetres.

#include <algorithm>
#include <cmath>

#include "plot/drawing.h"
#include "wing/geometry.h"

namespace tavelor::plot {

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

// Where the wing lands on the picture: the root leading edge at (x, y), scale picture
// millimetres per millimetre of wing.
struct Placement {
  double x = 0;
  double y = 0;
  double scale = 0;
  wing::Point at(const wing::Point& p) const {
    return {x + bounded(p.x) * scale, y + bounded(p.y) * scale};
  }
};

// Every panel's outline: root trailing edge, root leading edge, tip leading edge, tip trailing
// edge, back to the start.
inline void addPanelOutlines(Drawing& drawing, const wing::WingGeometry& geometry,
                             const Placement& at) {
  for (const wing::PanelOutline& o : geometry.panels) {
    const wing::Point corners[] = {o.rootTrailingEdge, o.rootLeadingEdge, o.tipLeadingEdge,
                                   o.tipTrailingEdge, o.rootTrailingEdge};
    for (int i = 0; i < 4; ++i)
      drawing.line(Role::Outline, at.at(corners[i]), at.at(corners[i + 1]));
  }
}

// The outline, then the marks: the centring point (a short level line), the mean
// chord (half a chord ahead of the centring point to a chord behind it), ticks above the root's
// leading edge and below its trailing edge, and the leading edge from the root to the mean
// chord. The marks' offsets are fixed picture millimetres, so they stay visible at every scale.
inline void addWingFigure(Drawing& drawing, const wing::WingGeometry& geometry, double macLength,
                          const Placement& at) {
  addPanelOutlines(drawing, geometry, at);
  const double x0 = at.x, le0 = at.y;
  const double te0 = at.at(geometry.rootTrailingEdge).y;
  const auto [xs, yc] = at.at(geometry.centring);
  const double m = bounded(macLength) * at.scale;
  drawing.line(Role::CentringMark, {xs - 3.52734, yc}, {xs + 3.52734, yc});
  drawing.line(Role::MeanChord, {xs, yc - m / 2}, {xs, yc + m});
  drawing.line(Role::RootMark, {x0, le0 - 5.29101}, {x0, le0 - 0.35273});
  drawing.line(Role::RootMark, {x0, te0 + 0.35273}, {x0, te0 + 7.05467});
  drawing.line(Role::Guide, {x0 + 0.88183, le0}, {xs + 1.76367, le0});
}

// Each rib's line across the planform and its name, `points` large, centred a little ahead of
// its leading edge.
inline void addRibFigure(Drawing& drawing, const RibLines& ribs, const Placement& at,
                         double points) {
  for (const RibLine& r : ribs) {
    const wing::Point le = at.at({r.station, r.leadingEdge});
    drawing.line(Role::Rib, le, at.at({r.station, r.leadingEdge + r.chord}));
    drawing.texts.push_back({{le.x, le.y - points * 0.1}, r.name, points, TextAlign::Centre});
  }
}

}  // namespace tavelor::plot

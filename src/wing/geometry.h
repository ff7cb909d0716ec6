#pragma once

#include <vector>

#include "wing/wing.h"

namespace tavelor::wing {

// A point of the half-wing in mm: x along the span from the root towards the tip, y chordwise
// aft of the root leading edge (so y grows downward on screen and paper, leading edge up).
struct Point {
  double x = 0;
  double y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// The point a fraction t of the way from a to b.
inline Point pointAlong(Point a, Point b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}

struct PanelOutline {
  Point rootLeadingEdge, tipLeadingEdge, tipTrailingEdge, rootTrailingEdge;
};

// The half-wing as every picture draws it, computed once from the results. As in the
// calculation, each panel's root leading edge lies at the previous panel's sweep, so a panel
// whose root chord differs from the tip chord before it shows the step at the trailing edge.
struct WingGeometry {
  std::vector<PanelOutline> panels;
  Point macLeadingEdge;       // the MAC's station line, leading edge ...
  Point macTrailingEdge;      // ... to trailing edge
  Point centring;             // the centring point, on the MAC's station line
  Point rootLeadingEdge;      // the root axis runs from here ...
  Point rootTrailingEdge;     // ... to here (x = 0)
  double minY = 0, maxY = 0;  // the outline's chordwise extent
};

WingGeometry wingGeometry(const WingResults& results);

}  // namespace tavelor::wing

#pragma once

// A vortex lattice over flat, horizontal lifting surfaces symmetric about the model's centre
// line: horseshoe vortices with their bound segment on each lattice panel's quarter-chord line,
// their control point at its three-quarter chord and their legs trailing aft to infinity.
// Everything is per unit angle of attack, with unit air density and speed: a strip's lift per
// unit span is then its circulation.

#include <vector>

#include "wing/geometry.h"

namespace tavelor::wing {

// One surface's half, root at the centre line, as the geometry draws it (x spanwise, y
// chordwise, mm), placed at chordOffset aft of the wing's root LE and height above its plane.
struct LatticeSurface {
  std::vector<PanelOutline> panels;
  double chordOffset = 0;
  double height = 0;
  int spanwiseStrips = 1;  // cosine-spaced over the half span, dense at the root and the tip
  int chordwisePanels = 1;
};

// The load of one spanwise strip of a half-surface.
struct StripLoad {
  double station = 0;  // mm from the root, the strip's middle
  double width = 0;    // mm
  double chord = 0;    // mm, at its middle
  double lift = 0;     // per unit span
  double moment = 0;   // Σ x·lift per unit span, x chordwise aft of the wing's root LE (mm)
};

using SurfaceLoad = std::vector<StripLoad>;  // root to tip

struct LatticeLoads {
  std::vector<SurfaceLoad> together;  // every surface, flying together
  SurfaceLoad firstAlone;             // the first surface without the others
};

// Solves the lattice. The surfaces share their spanwise cuts where they overlap, so no leg
// trails past another surface's control point at a distance the mesh happens to give.
LatticeLoads solveLattice(const std::vector<LatticeSurface>& surfaces);

}  // namespace tavelor::wing

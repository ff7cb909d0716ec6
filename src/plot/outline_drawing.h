#pragma once

#include <array>
#include <vector>

#include "wing/geometry.h"

namespace tavelor::plot {

// What an outline file for cutting holds, in the geometry's own millimetres (x spanwise from
// the root, y aft of the root leading edge): straight lines only, so any cutter reads it. Each
// file format maps these points onto its own axes, 1:1.
struct OutlineLine {
  wing::Point from, to;
};

inline constexpr double kCentringMarkLength = 10;  // mm, each arm of the cross

struct OutlineDrawing {
  std::vector<std::array<wing::Point, 4>> panels;  // root LE, tip LE, tip TE, root TE: closed
  OutlineLine meanChord;                           // leading edge to trailing edge
  std::array<OutlineLine, 2> centringCross;        // spanwise, then chordwise, centred on the CG
  wing::Point min, max;                            // the smallest box holding everything above
};

OutlineDrawing outlineDrawing(const wing::WingGeometry& geometry);

}  // namespace tavelor::plot

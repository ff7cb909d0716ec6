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

// Every coordinate is rounded to a millionth of a millimetre, so a corner two panels share is
// the same point in both, to the last bit, and reads as one in every file.
inline constexpr double kOutlineStepsPerMm = 1e6;

// The nearest double to the figure in whole steps. Past a thousand kilometres the steps no
// longer fit the digits a double has: such figures stay as they are, and so does a figure that
// is not finite.
double outlineRounded(double mm);

struct OutlineDrawing {
  // The half-wing's contour, closed: the root leading edge, out along the leading edge through
  // each joint, the tip, back along the trailing edge, the root trailing edge. A point is not
  // repeated; a joint where the chord changes keeps both of its points there.
  std::vector<wing::Point> outline;
  std::vector<OutlineLine> joints;           // the chord two neighbouring panels share, LE to TE
  OutlineLine meanChord;                     // leading edge to trailing edge
  std::array<OutlineLine, 2> centringCross;  // spanwise, then chordwise, centred on the CG
  wing::Point min, max;                      // the smallest box holding everything above
};

OutlineDrawing outlineDrawing(const wing::WingGeometry& geometry);

}  // namespace tavelor::plot

#pragma once

#include <string>

#include "wing/geometry.h"

namespace tavelor::plot {

// The half-wing's outline as a DXF drawing for laser and CNC cutting: AutoCAD 2000 text,
// millimetres 1:1, origin at the root leading edge, x along the span, y forward (the leading
// edge up, as on screen), every coordinate to a millionth of a millimetre. Layer OUTLINE
// (white): the half-wing's contour as one closed LWPOLYLINE; layer JOINTS (green): a line along
// each joint between panels; layer MAC (red): the mean chord, leading to trailing edge; layer CG
// (blue): two lines crossing at the centring point. The header gives the drawing's extents and
// the saved view shows the whole wing. Returns the file's bytes, for the caller to write in one
// atomic replace.
std::string outlineDxf(const wing::WingGeometry& geometry);

}  // namespace tavelor::plot

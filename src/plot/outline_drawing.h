#pragma once

#include <string>
#include <vector>

#include "base/units.h"
#include "plot/drawing.h"
#include "rib/rib.h"
#include "wing/geometry.h"

namespace tavelor::plot {

// Every coordinate is rounded to a millionth of a millimetre, so a corner two panels share is
// the same point in both, to the last bit, and reads as one in every file.
inline constexpr double kOutlineStepsPerMm = 1e6;

// The nearest double to the figure in whole steps. Past a thousand kilometres the steps no
// longer fit the digits a double has: such figures stay as they are, and so does a figure that
// is not finite.
double outlineRounded(double mm);

// Where each rib stands, root first.
RibLines ribLinesOf(const std::vector<rib::Rib>& ribs);

// What an outline file for cutting holds, in the geometry's own millimetres (x spanwise from the
// root, y aft of the root leading edge), straight lines only, so any cutter reads it, in this
// order: the half-wing's contour, closed (the root leading edge, out along the leading edge
// through each joint, the tip, back along the trailing edge, the root trailing edge; a point is
// not repeated, a joint where the chord changes keeps both of its points there); a line along
// the chord each two neighbouring panels share, LE to TE; the mean chord, LE to TE; the centring
// cross, spanwise then chordwise; then the rib lines given, root first, with their names.
Drawing outlineDrawing(const wing::WingGeometry& geometry, const RibLines& ribs = {});

// The layers of an outline file, in order, each present even when empty.
inline constexpr Role kOutlineLayers[] = {Role::Outline, Role::Joint, Role::MeanChord,
                                          Role::CentringMark};
// ... and those of a wing whose ribs were set up: the rib lines, and their names as texts.
inline constexpr Role kRibbedOutlineLayers[] = {Role::Outline,      Role::Joint, Role::MeanChord,
                                                Role::CentringMark, Role::Rib,   Role::Label};

// The outline as DXF for laser and CNC cutting (layers OUTLINE white, JOINTS green, MAC red, CG
// blue), origin at the root leading edge, the leading edge up; and as SVG (the leading edge on
// top, as on screen), titled `title`; in inches for Imperial. Each returns the file's bytes, for
// the caller to write in one atomic replace. With rib lines, the RIBS and LABEL layers follow.
std::string outlineDxf(const wing::WingGeometry& geometry, base::Units units,
                       const RibLines& ribs = {});
std::string outlineSvg(const wing::WingGeometry& geometry, const std::string& title,
                       base::Units units, const RibLines& ribs = {});

}  // namespace tavelor::plot

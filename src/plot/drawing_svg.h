#pragma once

#include <span>
#include <string>

#include "base/units.h"
#include "plot/drawing.h"

namespace tavelor::plot {

// The drawing as an SVG document, 1:1: width and height in millimetres (inches for Imperial) and a
// viewBox in millimetres (one user unit is one millimetre) holding the drawing with at least 5 mm
// to spare, on whole millimetres; x as drawn, y down. Each role in `layers` is an Inkscape layer of
// its own, in that order and whether or not the drawing uses it, to show or hide before cutting: a
// cut role in hairlines of 0.025 mm, which laser software cuts, any other in its pen's width,
// each in its pen's colour. A line of any other role is left out; texts are written in the layer of
// Role::Label when `layers` holds it, and left out otherwise. Coordinates are exact, in the
// shortest text that reads back the same. title and description (UTF-8) say what the document is.
// Returns its bytes.
std::string drawingSvg(const Drawing& drawing, std::span<const Role> layers,
                       const std::string& title, const std::string& description,
                       base::Units units = base::Units::Metric);

}  // namespace tavelor::plot

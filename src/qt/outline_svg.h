#pragma once

#include <QByteArray>
#include <QString>

#include "wing/geometry.h"

namespace tavelor::qt {

// The half-wing's outline as an SVG drawing for laser cutting, 1:1: width and height in
// millimetres and a viewBox in millimetres (one user unit is one millimetre) with at least
// 5 mm to spare around the drawing; x along the span from the root, y aft (SVG's y points
// down, so the leading edge is on top, as on screen). Each part is an Inkscape layer of its
// own, to show or hide before cutting: OUTLINE, the contour as one closed path, black, and
// JOINTS, a line along each joint between panels, green, both in hairlines of 0.025 mm, which
// laser software cuts; MAC, the mean chord, red, and CG, the centring cross, blue, both in
// 0.25 mm lines. Coordinates are exact to a millionth of a millimetre. title is the document's
// title. Returns the file's bytes, for the caller to write in one atomic replace.
QByteArray outlineSvg(const wing::WingGeometry& geometry, const QString& title);

}  // namespace tavelor::qt

#pragma once

#include <QByteArray>
#include <QString>

#include "wing/geometry.h"

namespace tavelor::qt {

// The half-wing's outline as an SVG drawing for laser cutting, 1:1: width and height in
// millimetres and a viewBox in millimetres (one user unit is one millimetre) with at least
// 5 mm to spare around the drawing; x along the span from the root, y aft (SVG's y points
// down, so the leading edge is on top, as on screen). Each panel 0.25 mm black, the mean chord
// red, the centring cross blue; title is the document's title. Returns the file's bytes, for
// the caller to write in one atomic replace.
//
// Qt writes every number with six significant digits: a coordinate is exact to 0.001 mm below
// a metre from the root, to 0.01 mm below ten.
QByteArray outlineSvg(const wing::WingGeometry& geometry, const QString& title);

}  // namespace tavelor::qt

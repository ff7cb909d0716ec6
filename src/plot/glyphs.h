#pragma once

// Small pictures of our own, drawn at run time so no image file is needed: each in its glyph's
// pixels from the top-left corner (y down), its lines as wide as their pens say, to be painted
// smoothly.

#include "plot/drawing.h"
#include "plot/page_surface.h"

namespace tavelor::plot {

inline constexpr double kGlyphSize = 16;   // a button's glyph, square
inline constexpr double kEmblemSize = 40;  // the emblem's square

Drawing sumGlyph();      // calculate: a summation sign
Drawing crossGlyph();    // clear: a diagonal cross
Drawing printerGlyph();  // print: a printer

// The program's emblem: a swept half-wing with its mean chord in red and the CG in blue.
Drawing emblem();

// The About window's logo, width long beside an emblem as high as the logo: the program's name
// at the largest size that fits, given that the logo is pointsHigh points high.
Drawing logoDrawing(double width, double pointsHigh, TextMeasure& measure);

}  // namespace tavelor::plot

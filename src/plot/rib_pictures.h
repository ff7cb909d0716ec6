#pragma once

// The ribs window's pictures, in millimetres of the paper (y down): a rib with its features, and
// the first stock sheet of the nested ribs.

#include "plot/drawing.h"
#include "rib/rib.h"

namespace tavelor::plot {

// The rib's contour as cut (RibContour) over its airfoil's bare section at the same chord and
// twist (Guide): the gaps between them are the sheeting, the leading-edge stock, the trailing
// edge strip and the spars' notches. Its chord line and name too; the leading edge at x 0.
Drawing ribPicture(const rib::Rib& rib, const rib::Airfoil& airfoil,
                   const rib::RibSettings& settings);

// The lines of the first stock sheet of a ribSheetDrawing: its edge and its ribs' contours (their
// names would only crowd a picture this small).
Drawing firstStockSheet(const Drawing& sheets, double stockWidth);

}  // namespace tavelor::plot

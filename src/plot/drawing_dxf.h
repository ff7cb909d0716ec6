#pragma once

#include <span>
#include <string>

#include "plot/drawing.h"

namespace tavelor::plot {

// The drawing as AutoCAD 2000 DXF text, millimetres 1:1, x as drawn and y turned to point up
// (a wing's leading edge on top, as on screen). Each line lies on its role's layer, coloured by
// the layer; the layers table lists layer 0 and `layers`, in that order, whether or not the
// drawing uses them. Two points make a LINE, more a LWPOLYLINE. Texts are not written. The header
// gives the drawing's extents and the saved view shows it whole with 5 mm around it. Numbers are
// written exactly, in the shortest text that reads back the same. Returns the file's bytes.
std::string drawingDxf(const Drawing& drawing, std::span<const Role> layers);

}  // namespace tavelor::plot

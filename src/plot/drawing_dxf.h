#pragma once

#include <span>
#include <string>

#include "base/units.h"
#include "plot/drawing.h"

namespace tavelor::plot {

// The drawing as AutoCAD 2000 DXF text, 1:1 in millimetres (in inches for Imperial), x as drawn and
// y turned to point up (a wing's leading edge on top, as on screen). The layers table lists layer 0
// and `layers`, in that order, whether or not the drawing uses them; each line of those roles lies
// on its role's layer, coloured by the layer, and a line of any other role is left out. Two points
// make a LINE, more a LWPOLYLINE. Texts are written as TEXT on the LABEL layer when `layers` holds
// Role::Label (in millimetres only), and left out otherwise. The header gives the extents of every
// line and the saved view shows them with 5 mm (in Imperial 0.2 in) around. Numbers are written
// exactly, in the shortest text that reads back the same. Returns the file's bytes.
std::string drawingDxf(const Drawing& drawing, std::span<const Role> layers,
                       base::Units units = base::Units::Metric);

}  // namespace tavelor::plot

#pragma once

#include "plot/drawing.h"
#include "wing/geometry.h"

namespace tavelor::plot {

// The plan strip as the window was laid out for it, in millimetres: the picture fills it, and a
// larger strip shows it magnified.
inline constexpr double kPlanWidthMm = 142.1;
inline constexpr double kPlanHeightMm = 40.48;

// The half-wing's panels and its mean-chord and centring marks, centred in the strip, in the
// strip's millimetres from its top-left corner (y down).
// With rib lines, each rib across the planform and its name.
Drawing planDrawing(const wing::WingResults& results, const wing::WingGeometry& geometry,
                    const RibLines& ribs = {});

}  // namespace tavelor::plot

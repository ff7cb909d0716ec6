#pragma once

#include <optional>
#include <string>
#include <vector>

#include "plot/drawing.h"
#include "rib/rib.h"

namespace tavelor::plot {

inline constexpr double kRibGap = 3;     // mm between ribs, and from a sheet's edge
inline constexpr double kSheetGap = 20;  // mm between one stock sheet and the next in the file
inline constexpr double kRibLabelPoints = 6;

// The layers of a rib file, in order.
inline constexpr Role kRibSheetLayers[] = {Role::RibContour, Role::Label, Role::StockSheet};

// The ribs laid flat on stock sheets of stockWidth by stockLength mm, in paper millimetres: each
// sheet's length along x, the sheets one under the other kSheetGap apart, the first with its
// top-left corner at the origin. Each rib lies with its chord along x and its top up, in rows
// from the top-left corner, kRibGap apart from each other and from the edges, as many sheets as
// needed; its contour is one closed RibContour line, its name a text inside it, each sheet's
// edge a StockSheet rectangle. Nothing when a rib does not fit on a sheet.
std::optional<Drawing> ribSheetDrawing(const std::vector<rib::Rib>& ribs, double stockWidth,
                                       double stockLength);

// The rib sheets as DXF (contours on CUT, names as TEXT on LABEL, sheet edges on STOCK) and as
// SVG titled `title`; each returns the file's bytes.
std::string ribSheetDxf(const Drawing& drawing);
std::string ribSheetSvg(const Drawing& drawing, const std::string& title);

}  // namespace tavelor::plot

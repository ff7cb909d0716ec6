#include "plot/rib_sheet.h"

#include <algorithm>

#include "plot/drawing_dxf.h"
#include "plot/drawing_svg.h"
#include "plot/outline_drawing.h"

namespace tavelor::plot {

std::optional<Drawing> ribSheetDrawing(const std::vector<rib::Rib>& ribs, double stockWidth,
                                       double stockLength) {
  Drawing drawing;
  int sheet = -1;
  double x = 0, y = 0, rowHeight = 0;
  const auto newSheet = [&] {
    const double top = ++sheet * (stockWidth + kSheetGap);
    drawing.lines.push_back(
        {Role::StockSheet,
         {{0, top}, {stockLength, top}, {stockLength, top + stockWidth}, {0, top + stockWidth}},
         true});
    x = kRibGap;
    y = top + kRibGap;
    rowHeight = 0;
  };
  newSheet();
  for (const rib::Rib& rib : ribs) {
    if (rib.contour.size() < 3) continue;  // a section without a chord gives no rib
    // The rib's own y is up; the paper's is down.
    Polyline contour{Role::RibContour, {}, true};
    for (const wing::Point& p : rib.contour) contour.points.push_back({p.x, -p.y});
    Drawing one;
    one.lines.push_back(contour);
    const Bounds b = boundsOf(one);
    const double width = b.max.x - b.min.x, height = b.max.y - b.min.y;
    if (width + 2 * kRibGap > stockLength || height + 2 * kRibGap > stockWidth) return std::nullopt;
    if (x + width + kRibGap > stockLength) {
      x = kRibGap;
      y += rowHeight + kRibGap;
      rowHeight = 0;
    }
    if (y + height + kRibGap > sheet * (stockWidth + kSheetGap) + stockWidth) newSheet();
    // Rounded as the outline is, so a cutter reads no noise in the last digits.
    for (wing::Point& p : contour.points) {
      p = {outlineRounded(p.x - b.min.x + x), outlineRounded(p.y - b.min.y + y)};
    }
    drawing.lines.push_back(std::move(contour));
    Text label{{x + width * 0.4, y + height / 2}, rib.name, kRibLabelPoints, TextAlign::Centre};
    label.colour = penOf(Role::Label).colour;
    label.at.y += kRibLabelPoints * kMmPerPoint / 2;  // the text's middle on the rib's
    drawing.texts.push_back(std::move(label));
    x += width + kRibGap;
    rowHeight = std::max(rowHeight, height);
  }
  return drawing;
}

std::string ribSheetDxf(const Drawing& drawing) { return drawingDxf(drawing, kRibSheetLayers); }

std::string ribSheetSvg(const Drawing& drawing, const std::string& title) {
  return drawingSvg(drawing, kRibSheetLayers, title, "Ribs on stock sheets, 1:1, in millimetres");
}

}  // namespace tavelor::plot

#include "plot/outline_drawing.h"

#include <algorithm>

namespace tavelor::plot {

OutlineDrawing outlineDrawing(const wing::WingGeometry& geometry) {
  OutlineDrawing d;
  for (const wing::PanelOutline& o : geometry.panels) {
    d.panels.push_back(
        {o.rootLeadingEdge, o.tipLeadingEdge, o.tipTrailingEdge, o.rootTrailingEdge});
  }
  d.meanChord = {geometry.macLeadingEdge, geometry.macTrailingEdge};
  const wing::Point cg = geometry.centring;
  const double half = kCentringMarkLength / 2;
  d.centringCross = {OutlineLine{{cg.x - half, cg.y}, {cg.x + half, cg.y}},
                     OutlineLine{{cg.x, cg.y - half}, {cg.x, cg.y + half}}};

  d.min = d.max = cg;
  const auto include = [&d](wing::Point p) {
    d.min = {std::min(d.min.x, p.x), std::min(d.min.y, p.y)};
    d.max = {std::max(d.max.x, p.x), std::max(d.max.y, p.y)};
  };
  for (const auto& corners : d.panels) std::ranges::for_each(corners, include);
  for (const OutlineLine& line : {d.meanChord, d.centringCross[0], d.centringCross[1]}) {
    include(line.from);
    include(line.to);
  }
  return d;
}

}  // namespace tavelor::plot

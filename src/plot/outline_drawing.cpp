#include "plot/outline_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace tavelor::plot {

// A whole number over an exact power of ten: the division rounds once, to the nearest double.
double outlineRounded(double mm) {
  return std::abs(mm) < 1e9 ? std::round(mm * kOutlineStepsPerMm) / kOutlineStepsPerMm + 0.0 : mm;
}

namespace {

wing::Point rounded(wing::Point p) { return {outlineRounded(p.x), outlineRounded(p.y)}; }

void append(std::vector<wing::Point>& points, wing::Point p) {
  p = rounded(p);
  if (points.empty() || points.back() != p) points.push_back(p);
}

}  // namespace

OutlineDrawing outlineDrawing(const wing::WingGeometry& geometry) {
  OutlineDrawing d;
  const auto& panels = geometry.panels;
  for (const wing::PanelOutline& o : panels) {
    append(d.outline, o.rootLeadingEdge);
    append(d.outline, o.tipLeadingEdge);
  }
  for (auto o = panels.rbegin(); o != panels.rend(); ++o) {
    append(d.outline, o->tipTrailingEdge);
    append(d.outline, o->rootTrailingEdge);
  }
  if (d.outline.size() > 1 && d.outline.back() == d.outline.front()) d.outline.pop_back();

  // Where the chord steps, the step is part of the contour: the joint is what both chords hold.
  for (std::size_t i = 1; i < panels.size(); ++i) {
    const wing::PanelOutline &before = panels[i - 1], &o = panels[i];
    const wing::Point from =
        rounded({o.rootLeadingEdge.x, std::max(before.tipLeadingEdge.y, o.rootLeadingEdge.y)});
    const wing::Point to =
        rounded({o.rootLeadingEdge.x, std::min(before.tipTrailingEdge.y, o.rootTrailingEdge.y)});
    if (from.y < to.y) d.joints.push_back({from, to});
  }

  d.meanChord = {rounded(geometry.macLeadingEdge), rounded(geometry.macTrailingEdge)};
  const wing::Point cg = rounded(geometry.centring);
  const double half = kCentringMarkLength / 2;
  d.centringCross = {OutlineLine{rounded({cg.x - half, cg.y}), rounded({cg.x + half, cg.y})},
                     OutlineLine{rounded({cg.x, cg.y - half}), rounded({cg.x, cg.y + half})}};

  d.min = d.max = cg;
  const auto include = [&d](wing::Point p) {
    d.min = {std::min(d.min.x, p.x), std::min(d.min.y, p.y)};
    d.max = {std::max(d.max.x, p.x), std::max(d.max.y, p.y)};
  };
  std::ranges::for_each(d.outline, include);
  for (const OutlineLine& line : {d.meanChord, d.centringCross[0], d.centringCross[1]}) {
    include(line.from);
    include(line.to);
  }
  return d;
}

}  // namespace tavelor::plot

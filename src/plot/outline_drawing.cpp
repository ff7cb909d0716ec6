#include "plot/outline_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <span>
#include <vector>

#include "plot/drawing_dxf.h"
#include "plot/drawing_svg.h"

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

std::span<const Role> layersOf(const RibLines& ribs) {
  if (ribs.empty()) return kOutlineLayers;
  return kRibbedOutlineLayers;
}

}  // namespace

RibLines ribLinesOf(const std::vector<rib::Rib>& ribs) {
  RibLines lines;
  for (const rib::Rib& r : ribs) lines.push_back({r.name, r.station, r.leadingEdge, r.chord});
  return lines;
}

Drawing outlineDrawing(const wing::WingGeometry& geometry, const RibLines& ribs) {
  Drawing d;
  Polyline outline{Role::Outline, {}, true};
  const auto& panels = geometry.panels;
  for (const wing::PanelOutline& o : panels) {
    append(outline.points, o.rootLeadingEdge);
    append(outline.points, o.tipLeadingEdge);
  }
  for (auto o = panels.rbegin(); o != panels.rend(); ++o) {
    append(outline.points, o->tipTrailingEdge);
    append(outline.points, o->rootTrailingEdge);
  }
  auto& points = outline.points;
  if (points.size() > 1 && points.back() == points.front()) points.pop_back();
  d.lines.push_back(std::move(outline));

  // Where the chord steps, the step is part of the contour: the joint is what both chords hold.
  for (std::size_t i = 1; i < panels.size(); ++i) {
    const wing::PanelOutline &before = panels[i - 1], &o = panels[i];
    const wing::Point from =
        rounded({o.rootLeadingEdge.x, std::max(before.tipLeadingEdge.y, o.rootLeadingEdge.y)});
    const wing::Point to =
        rounded({o.rootLeadingEdge.x, std::min(before.tipTrailingEdge.y, o.rootTrailingEdge.y)});
    if (from.y < to.y) d.line(Role::Joint, from, to);
  }

  d.line(Role::MeanChord, rounded(geometry.macLeadingEdge), rounded(geometry.macTrailingEdge));
  const wing::Point cg = rounded(geometry.centring);
  const double half = kCentringMarkLength / 2;
  d.line(Role::CentringMark, rounded({cg.x - half, cg.y}), rounded({cg.x + half, cg.y}));
  d.line(Role::CentringMark, rounded({cg.x, cg.y - half}), rounded({cg.x, cg.y + half}));
  constexpr double kNamePoints = 6, kNameGap = 1.5;  // the names' mm ahead of the leading edge
  for (const RibLine& r : ribs) {
    d.line(Role::Rib, rounded({r.station, r.leadingEdge}),
           rounded({r.station, r.leadingEdge + r.chord}));
    d.texts.push_back(
        {rounded({r.station, r.leadingEdge - kNameGap}), r.name, kNamePoints, TextAlign::Centre});
  }
  return d;
}

std::string outlineDxf(const wing::WingGeometry& geometry, base::Units units,
                       const RibLines& ribs) {
  return drawingDxf(outlineDrawing(geometry, ribs), layersOf(ribs), units);
}

std::string outlineSvg(const wing::WingGeometry& geometry, const std::string& title,
                       base::Units units, const RibLines& ribs) {
  return drawingSvg(outlineDrawing(geometry, ribs), layersOf(ribs), title,
                    "Half-wing outline, 1:1 in millimetres", units);
}

}  // namespace tavelor::plot

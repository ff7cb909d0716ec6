#include "plot/rib_pictures.h"

#include <cmath>
#include <numbers>

namespace tavelor::plot {

namespace {

Polyline onPaper(Role role, const std::vector<wing::Point>& contour) {
  Polyline line{role, {}, true};
  for (const wing::Point& p : contour) line.points.push_back({p.x, -p.y});
  return line;
}

}  // namespace

Drawing ribPicture(const rib::Rib& rib, const rib::Airfoil& airfoil,
                   const rib::RibSettings& settings) {
  Drawing drawing;
  // The same section without sheeting, stock, strip or spars, twisted alike.
  rib::RibSettings bare;
  bare.washoutPivotPercent = settings.washoutPivotPercent;
  for (Polyline line :
       {onPaper(Role::Guide, rib::ribContour(airfoil, rib.chord, rib.twistDegrees, bare)),
        onPaper(Role::RibContour, rib.contour)}) {
    if (line.points.size() > 2) drawing.lines.push_back(std::move(line));
  }
  const double pivot = settings.washoutPivotPercent / 100 * rib.chord;
  const double angle = rib.twistDegrees * std::numbers::pi / 180;
  const auto chordPoint = [&](double x) {
    return wing::Point{pivot + (x - pivot) * std::cos(angle), -(x - pivot) * std::sin(angle)};
  };
  drawing.line(Role::Guide, chordPoint(0), chordPoint(rib.chord));
  const Bounds b = boundsOf(drawing);
  drawing.texts.push_back({{b.min.x, b.min.y - 2}, rib.name, 9, TextAlign::Left});
  return drawing;
}

Drawing firstStockSheet(const Drawing& sheets, double stockWidth) {
  Drawing first;
  for (const Polyline& line : sheets.lines) {
    if (!line.points.empty() && line.points.front().y <= stockWidth) first.lines.push_back(line);
  }
  return first;
}

}  // namespace tavelor::plot

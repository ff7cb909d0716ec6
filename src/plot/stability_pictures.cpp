#include "plot/stability_pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tavelor::plot {

namespace {

constexpr int kEllipseSteps = 60;
// Pixels, as the dashes of a 1.5-pixel line always looked on the screen.
constexpr double kDash = 7.5, kGap = 1.5;
constexpr double kDotRadius = 4;

// The polyline cut into dashes along its length, the pattern running on over its corners.
void addDashed(Drawing& drawing, Role role, const std::vector<wing::Point>& points) {
  std::vector<wing::Point> dash{points.front()};
  bool on = true;
  double left = kDash;  // of the current dash or gap
  for (std::size_t i = 1; i < points.size(); ++i) {
    const wing::Point a = points[i - 1], b = points[i];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    double at = 0;
    while (length - at > left) {
      at += left;
      const wing::Point cut{a.x + (b.x - a.x) * at / length, a.y + (b.y - a.y) * at / length};
      if (on) {
        dash.push_back(cut);
        drawing.lines.push_back({role, std::move(dash)});
      }
      dash = {cut};
      on = !on;
      left = on ? kDash : kGap;
    }
    left -= length - at;
    if (on) dash.push_back(b);
  }
  if (on && dash.size() > 1) drawing.lines.push_back({role, std::move(dash)});
}

}  // namespace

std::optional<SpanLoadFigure> spanLoadFigure(const std::vector<wing::SpanLoadPoint>& points,
                                             double halfSpan, const Box& area) {
  if (points.empty() || !(halfSpan > 0)) return std::nullopt;
  // The elliptic load whose mean over the half span is 1, as the wing's load is by its
  // definition: the same area under both.
  const auto ellipse = [](double eta) { return 4 / std::numbers::pi * std::sqrt(1 - eta * eta); };
  double top = ellipse(0);
  for (const wing::SpanLoadPoint& p : points) top = std::max({top, p.load, p.localLift});
  const auto at = [&](double station, double value) {
    return wing::Point{area.left + station / halfSpan * (area.right - area.left),
                       area.bottom - value / (1.1 * top) * (area.bottom - area.top)};
  };
  SpanLoadFigure figure;
  Drawing& drawing = figure.drawing;
  drawing.line(Role::LoadAxis, at(0, 0), at(halfSpan, 0));
  std::vector<wing::Point> elliptic;
  for (int i = 0; i <= kEllipseSteps; ++i) {
    const double eta = static_cast<double>(i) / kEllipseSteps;
    elliptic.push_back(at(eta * halfSpan, ellipse(eta)));
  }
  addDashed(drawing, Role::EllipticLoad, elliptic);
  Polyline load{Role::SpanLoad, {}}, local{Role::LocalLift, {}};
  for (const wing::SpanLoadPoint& p : points) {
    load.points.push_back(at(p.station, p.load));
    local.points.push_back(at(p.station, p.localLift));
  }
  drawing.lines.insert(drawing.lines.end(), {load, local});
  const auto highest =
      std::max_element(points.begin(), points.end(),
                       [](const auto& a, const auto& b) { return a.localLift < b.localLift; });
  figure.peak = at(highest->station, highest->localLift);
  drawing.dot(Role::LocalLift, figure.peak, kDotRadius);
  figure.remarkOnLeft = figure.peak.x > (area.left + area.right) / 2;
  return figure;
}

Drawing stabilityMarks(double centreLine, double neutralPoint, double centring, double left,
                       double right) {
  Drawing marks;
  for (const auto& [role, y] : {std::pair(Role::NeutralPointMark, neutralPoint),
                                std::pair(Role::CentringPointMark, centring)}) {
    marks.line(role, {centreLine - left, y}, {centreLine + right, y});
    marks.dot(role, {centreLine, y}, kDotRadius);
  }
  return marks;
}

}  // namespace tavelor::plot

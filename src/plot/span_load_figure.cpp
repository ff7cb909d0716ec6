#include "plot/span_load_figure.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavelor::plot {

namespace {

constexpr int kEllipseSteps = 60;

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
  figure.axisFrom = at(0, 0);
  figure.axisTo = at(halfSpan, 0);
  for (int i = 0; i <= kEllipseSteps; ++i) {
    const double eta = static_cast<double>(i) / kEllipseSteps;
    figure.elliptic.push_back(at(eta * halfSpan, ellipse(eta)));
  }
  for (const wing::SpanLoadPoint& p : points) {
    figure.load.push_back(at(p.station, p.load));
    figure.localLift.push_back(at(p.station, p.localLift));
  }
  const auto highest =
      std::max_element(points.begin(), points.end(),
                       [](const auto& a, const auto& b) { return a.localLift < b.localLift; });
  figure.peak = at(highest->station, highest->localLift);
  figure.remarkOnLeft = figure.peak.x > (area.left + area.right) / 2;
  return figure;
}

}  // namespace tavelor::plot

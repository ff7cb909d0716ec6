#include "plot/stability_pictures.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "plot/plan_figure.h"
#include "wing/geometry.h"

namespace tavelor::plot {

namespace {

constexpr int kEllipseSteps = 60;
constexpr double kPx = kScreenPixel;
// As the dashes of a 1.5-pixel line always looked on the screen.
constexpr double kDash = 7.5 * kPx, kGap = 1.5 * kPx;
constexpr double kDotRadius = 4 * kPx;
constexpr double kTextPoints = 9;

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
      const wing::Point cut = wing::pointAlong(a, b, at / length);
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
                                             double halfSpan, const Bounds& area) {
  if (points.empty() || !(halfSpan > 0)) return std::nullopt;
  // The elliptic load whose mean over the half span is 1, as the wing's load is by its
  // definition: the same area under both.
  const auto ellipse = [](double eta) { return 4 / std::numbers::pi * std::sqrt(1 - eta * eta); };
  double top = ellipse(0);
  for (const wing::SpanLoadPoint& p : points) top = std::max({top, p.load, p.localLift});
  const auto at = [&](double station, double value) {
    return wing::Point{area.min.x + station / halfSpan * (area.max.x - area.min.x),
                       area.max.y - value / (1.1 * top) * (area.max.y - area.min.y)};
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
  figure.remarkOnLeft = figure.peak.x > (area.min.x + area.max.x) / 2;
  return figure;
}

namespace {

// The half-wing and, given one, the half-stabiliser tailArm aft of it, in the wing's millimetres
// (root on x = 0, y aft), with the centre line along the root over both.
Drawing stabilityPlanDrawing(const wing::WingGeometry& wing, const wing::WingGeometry* tail,
                             double tailArm) {
  Drawing drawing;
  addPanelOutlines(drawing, wing, {0, 0, 1});
  if (tail != nullptr) addPanelOutlines(drawing, *tail, {0, tailArm, 1});
  const Bounds reach = boundsOf(drawing);
  // First, so the outlines are drawn over it.
  drawing.lines.insert(drawing.lines.begin(),
                       {Role::RootAxis, {{0, reach.min.y}, {0, reach.max.y}}});
  return drawing;
}

// text's words cut at the end, an ellipsis added, until it is at most width long as measured.
std::string elided(Text text, double width, TextMeasure& measure) {
  std::string kept = text.text;
  while (!kept.empty() && measure.advance(text) > width) {
    // One character less, all of its bytes.
    do kept.pop_back();
    while (!kept.empty() && (static_cast<unsigned char>(kept.back()) & 0xC0) == 0x80);
    text.text = kept + "\u2026";
  }
  return text.text;
}

}  // namespace

Drawing spanLoadPicture(const std::vector<wing::SpanLoadPoint>& points, double halfSpan,
                        const SpanLoadTexts& texts, const Bounds& view, TextMeasure& measure) {
  constexpr double kMargin = 8 * kPx;
  const Text style{{}, {}, kTextPoints};
  const double line = measure.lineSpacing(style);
  Drawing picture;
  Text title = style;
  title.at = {view.min.x + kMargin, view.min.y + kMargin / 2};
  title.anchor = TextAnchor::Top;
  title.text =
      elided({{}, texts.title, kTextPoints}, view.max.x - view.min.x - 2 * kMargin, measure);
  picture.texts.push_back(title);
  // The legend: each curve's text in its own colour.
  double x = title.at.x;
  for (const auto& [caption, role] :
       {std::pair(&texts.load, Role::SpanLoad), std::pair(&texts.elliptic, Role::EllipticLoad),
        std::pair(&texts.localLift, Role::LocalLift)}) {
    Text legend = title;
    legend.at = {x, title.at.y + line};
    legend.text = *caption;
    legend.colour = penOf(role).colour;
    picture.texts.push_back(legend);
    legend.text += "   ";
    x += measure.advance(legend);
  }
  const Bounds area{{view.min.x + kMargin, view.min.y + kMargin + 2 * line},
                    {view.max.x - kMargin, view.max.y - kMargin}};
  if (area.max.y - area.min.y < 10 * kPx) return picture;
  auto figure = spanLoadFigure(points, halfSpan, area);
  if (!figure) return picture;
  const wing::Point peak = figure->peak;
  const bool left = figure->remarkOnLeft;
  // Beside the peak and a little above it, on the side with room.
  picture.texts.push_back({{peak.x + (left ? -8 : 8) * kPx, peak.y - 4 * kPx - line * 0.2},
                           texts.stallsFirst,
                           kTextPoints,
                           left ? TextAlign::Right : TextAlign::Left,
                           TextAnchor::Baseline,
                           penOf(Role::LocalLift).colour});
  picture.lines = std::move(figure->drawing.lines);
  return picture;
}

Drawing stabilityPlanPicture(const wing::WingResults& wing,
                             const std::optional<wing::StabilityResults>& results, double tailArm,
                             const Bounds& view) {
  constexpr double kMargin = 12 * kPx;
  std::optional<wing::WingGeometry> tail;
  if (results && !results->flyingWing) tail = wing::wingGeometry(results->stabiliser);
  const Drawing plan =
      stabilityPlanDrawing(wing::wingGeometry(wing), tail ? &*tail : nullptr, tailArm);
  const Bounds reach = boundsOf(plan);
  const double width = reach.max.x - reach.min.x, depth = reach.max.y - reach.min.y;
  if (!(width > 0 && depth > 0)) return {};
  const double scale = std::min((view.max.x - view.min.x - 2 * kMargin) / width,
                                (view.max.y - view.min.y - 2 * kMargin) / depth);
  const auto at = [&](wing::Point p) {
    return wing::Point{view.min.x + kMargin + (p.x - reach.min.x) * scale,
                       view.min.y + kMargin + (p.y - reach.min.y) * scale};
  };
  Drawing picture = plan;
  for (Polyline& line : picture.lines)
    for (wing::Point& p : line.points) p = at(p);
  if (!results) return picture;
  // The marks reach from the frame's margin to three margins right of the centre line.
  const double centreLine = at({0, 0}).x;
  for (const auto& [role, y] : {std::pair(Role::NeutralPointMark, results->neutralPoint),
                                std::pair(Role::CentringPointMark, results->centring)}) {
    const double atY = at({0, y}).y;
    picture.line(role, {centreLine - kMargin + 2 * kPx, atY}, {centreLine + 3 * kMargin, atY});
    picture.dot(role, {centreLine, atY}, kDotRadius);
  }
  return picture;
}

}  // namespace tavelor::plot

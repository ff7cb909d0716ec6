#include "plot/template_layout.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "plot/plan_figure.h"

namespace tavelor::plot {

namespace {

using wing::Point;

constexpr double kBorder = 5;        // around the drawing's lines
constexpr double kAxisOverrun = 20;  // the root axis beyond the root chord, each end

}  // namespace

// Liang-Barsky.
std::optional<std::pair<Point, Point>> clipped(Point a, Point b, const MmRect& r) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  double t0 = 0, t1 = 1;
  // p: how the segment moves across an edge, q: how far inside that edge a lies.
  auto within = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    return t0 < t1;
  };
  if (!within(-dx, a.x - r.left) || !within(dx, r.right() - a.x) || !within(-dy, a.y - r.top) ||
      !within(dy, r.bottom() - a.y)) {
    return std::nullopt;
  }
  if ((t1 - t0) * std::hypot(dx, dy) < 1e-6) return std::nullopt;
  return std::pair{wing::pointAlong(a, b, t0), wing::pointAlong(a, b, t1)};
}

namespace {

// The tiles of the grid from origin that hold a part of the wing or its marks: the root axis
// only runs on as far as they reach, it keeps no page of its own.
std::vector<TemplateTile> tilesHoldingDrawing(const TemplateDrawing& drawing,
                                              const TemplateTiling& t, Point origin) {
  std::vector<TemplateTile> tiles;
  for (int r = 0; r < t.rows; ++r) {
    for (int c = 0; c < t.columns; ++c) {
      const Point at{origin.x + c * t.pitchX, origin.y + r * t.pitchY};
      const MmRect area{at.x, at.y, t.tileWidth, t.tileHeight};
      if (std::ranges::any_of(drawing.drawing.lines, [&](const Polyline& l) {
            bool inside = false;
            if (l.role != Role::RootAxis) {
              forEachSegment(l, [&](Point a, Point b) { inside = inside || clipped(a, b, area); });
            }
            return inside;
          })) {
        tiles.push_back({r, c, at});
      }
    }
  }
  return tiles;
}

// 1 + ceil((extent - printable) / pitch), at least 1; a hair's rounding past a whole number of
// pitches asks for no extra page.
int tileCount(double extent, double printable, double pitch) {
  if (extent <= printable) return 1;
  return 1 + static_cast<int>(std::ceil((extent - printable) / pitch - 1e-9));
}

}  // namespace

TemplateDrawing templateDrawing(const wing::WingGeometry& geometry, const RibLines& ribs) {
  Drawing wing;
  auto add = [&](Point a, Point b, Role role) { wing.line(role, a, b); };
  for (const wing::PanelOutline& p : geometry.panels) {
    add(p.rootLeadingEdge, p.tipLeadingEdge, Role::Outline);
    add(p.tipLeadingEdge, p.tipTrailingEdge, Role::Outline);
    add(p.tipTrailingEdge, p.rootTrailingEdge, Role::Outline);
    add(p.rootTrailingEdge, p.rootLeadingEdge, Role::Outline);
  }
  add(geometry.macLeadingEdge, geometry.macTrailingEdge, Role::MeanChord);
  const Point& c = geometry.centring;
  const double arm = kCentringMarkLength / 2;
  add({c.x - arm, c.y}, {c.x + arm, c.y}, Role::CentringMark);
  add({c.x, c.y - arm}, {c.x, c.y + arm}, Role::CentringMark);
  add({geometry.rootLeadingEdge.x, geometry.rootLeadingEdge.y - kAxisOverrun},
      {geometry.rootTrailingEdge.x, geometry.rootTrailingEdge.y + kAxisOverrun}, Role::RootAxis);
  addRibFigure(wing, ribs, {0, 0, 1}, 8);
  return fullSizeDrawing(std::move(wing));
}

TemplateDrawing fullSizeDrawing(Drawing full) {
  TemplateDrawing drawing{std::move(full), {}};
  if (drawing.drawing.lines.empty()) return drawing;
  // The pages are chosen for the outline and its marks; the axis runs on as far as they reach.
  const Point first = drawing.drawing.lines.front().points.front();
  double left = first.x, right = left, top = first.y, bottom = top;
  for (const Polyline& l : drawing.drawing.lines) {
    if (l.role == Role::RootAxis) continue;
    for (const Point& p : l.points) {
      left = std::min(left, p.x);
      right = std::max(right, p.x);
      top = std::min(top, p.y);
      bottom = std::max(bottom, p.y);
    }
  }
  drawing.extent = {left - kBorder, top - kBorder, right - left + 2 * kBorder,
                    bottom - top + 2 * kBorder};
  return drawing;
}

TemplateTiling tileTemplate(const TemplateDrawing& drawing, double printableWidth,
                            double printableHeight, double overlap) {
  if (!(printableWidth > overlap && printableHeight > overlap && overlap >= 0)) {
    throw PageError("the printable area is too small for the template");
  }
  const MmRect& e = drawing.extent;
  if (!std::isfinite(e.left) || !std::isfinite(e.top) || !std::isfinite(e.width) ||
      !std::isfinite(e.height)) {
    throw PageError("the wing has no finite outline to print");
  }
  TemplateTiling tiling;
  tiling.tileWidth = printableWidth;
  tiling.tileHeight = printableHeight;
  tiling.pitchX = printableWidth - overlap;
  tiling.pitchY = printableHeight - overlap;
  // Counted in doubles first: a wing a kilometre long must not overflow an int.
  const double columns =
      e.width <= printableWidth ? 1 : 2 + (e.width - printableWidth) / tiling.pitchX;
  const double rows =
      e.height <= printableHeight ? 1 : 2 + (e.height - printableHeight) / tiling.pitchY;
  if (columns * rows > kMaxTemplateTiles) {
    throw PageError("the template would need more than " + std::to_string(kMaxTemplateTiles) +
                    " pages");
  }
  tiling.columns = tileCount(e.width, printableWidth, tiling.pitchX);
  tiling.rows = tileCount(e.height, printableHeight, tiling.pitchY);
  // The grid is larger than the extent by some slack: of the places for the drawing in it, the
  // one leaving the fewest pages with a part of the wing on them, the middle among equals.
  const double slackX =
      std::max(0.0, (tiling.columns - 1) * tiling.pitchX + printableWidth - e.width);
  const double slackY =
      std::max(0.0, (tiling.rows - 1) * tiling.pitchY + printableHeight - e.height);
  constexpr double kPlaces[] = {0.5, 0, 1, 0.25, 0.75};
  for (const double x : kPlaces) {
    for (const double y : kPlaces) {
      const Point origin{e.left - slackX * x, e.top - slackY * y};
      std::vector<TemplateTile> tiles = tilesHoldingDrawing(drawing, tiling, origin);
      if (tiling.tiles.empty() || tiles.size() < tiling.tiles.size()) {
        tiling.origin = origin;
        tiling.tiles = std::move(tiles);
      }
    }
  }
  return tiling;
}

}  // namespace tavelor::plot

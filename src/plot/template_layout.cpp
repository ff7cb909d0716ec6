#include "plot/template_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

namespace tavelor::plot {

namespace {

using wing::Point;

constexpr double kBorder = 5;           // around the drawing's lines
constexpr double kAxisOverrun = 20;     // the root axis beyond the root chord, each end
constexpr double kCentringArm = 10;     // the centring cross
constexpr double kRegistrationArm = 5;  // the crosses at a tile's cell corners
constexpr double kScaleBar = 100;
constexpr double kLabelInset = 7;  // keeps the margin texts clear of the corner crosses
constexpr double kLabelPoints = 8;
constexpr double kHeaderHeight = 16;  // the overview's name and figures above the drawing

// Dash, gap, dot, gap: long enough to read as a centre line at full size.
constexpr double kDashDot[] = {8, 2, 1, 2};

struct Stroke {
  Rgb colour;
  double width;
  bool dashDot = false;
};

Stroke strokeOf(TemplatePen pen) {
  const Stroke strokes[] = {{kBlack, 0.25}, {kRed, 0.25}, {kBlue, 0.25}, {kBlack, 0.15, true}};
  return strokes[static_cast<int>(pen)];  // in TemplatePen's order
}

Point along(Point a, Point b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// The part of segment a-b inside r (Liang-Barsky), when it has a length.
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
  return std::pair{along(a, b, t0), along(a, b, t1)};
}

// The tiles of the grid from origin that hold a part of the wing or its marks: the root axis
// only runs on as far as they reach, it keeps no page of its own.
std::vector<TemplateTile> tilesHoldingDrawing(const TemplateDrawing& drawing,
                                              const TemplateTiling& t, Point origin) {
  std::vector<TemplateTile> tiles;
  for (int r = 0; r < t.rows; ++r) {
    for (int c = 0; c < t.columns; ++c) {
      const Point at{origin.x + c * t.pitchX, origin.y + r * t.pitchY};
      const MmRect area{at.x, at.y, t.tileWidth, t.tileHeight};
      if (std::ranges::any_of(drawing.lines, [&](const TemplateLine& l) {
            return l.pen != TemplatePen::RootAxis && clipped(l.from, l.to, area).has_value();
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

// Draws a page-space line inside clip. A dash-dot line is cut into dashes from its own start,
// so on tiles (a pure shift) the pattern runs on across the page edge.
void drawClipped(TemplatePage& page, Point a, Point b, const Stroke& stroke, const MmRect& clip) {
  auto piece = [&](Point from, Point to) {
    if (const auto inside = clipped(from, to, clip)) {
      page.line(inside->first, inside->second, stroke.colour, stroke.width);
    }
  };
  if (!stroke.dashDot) {
    piece(a, b);
    return;
  }
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  double s = 0;
  for (std::size_t i = 0; s < length; s += kDashDot[i], i = (i + 1) % std::size(kDashDot)) {
    if (i % 2 == 0) {
      piece(along(a, b, s / length), along(a, b, std::min(s + kDashDot[i], length) / length));
    }
  }
}

void cross(TemplatePage& page, Point c, double arm, Rgb colour, double width) {
  page.line({c.x - arm, c.y}, {c.x + arm, c.y}, colour, width);
  page.line({c.x, c.y - arm}, {c.x, c.y + arm}, colour, width);
}

std::string tileName(const TemplateTile& tile) {
  return "R" + std::to_string(tile.row + 1) + "C" + std::to_string(tile.column + 1);
}

void printOverview(TemplatePage& page, const MmRect& printable, const TemplateDrawing& drawing,
                   const TemplateTiling& tiling, const TemplateTexts& texts) {
  page.text({printable.left, printable.top + 5}, texts.sheetName, 14, kBlack, TextAlign::Left);
  page.text({printable.left, printable.top + 11}, texts.figures, 10, kBlack, TextAlign::Left);

  // The whole grid fits, so every tile's frame shows.
  const MmRect grid{tiling.origin.x, tiling.origin.y,
                    (tiling.columns - 1) * tiling.pitchX + tiling.tileWidth,
                    (tiling.rows - 1) * tiling.pitchY + tiling.tileHeight};
  const MmRect area{printable.left, printable.top + kHeaderHeight, printable.width,
                    printable.height - kHeaderHeight};
  const double scale = std::min(area.width / grid.width, area.height / grid.height);
  const double left = area.left + (area.width - grid.width * scale) / 2;
  auto map = [&](Point p) {
    return Point{left + (p.x - grid.left) * scale, area.top + (p.y - grid.top) * scale};
  };

  const MmRect onPage{left, area.top, grid.width * scale, grid.height * scale};  // the grid
  for (const TemplateLine& l : drawing.lines) {
    drawClipped(page, map(l.from), map(l.to), strokeOf(l.pen), onPage);
  }
  for (const TemplateTile& tile : tiling.tiles) {
    const Point a = map(tile.origin);
    const Point b = map({tile.origin.x + tiling.tileWidth, tile.origin.y + tiling.tileHeight});
    const Point frame[] = {a, {b.x, a.y}, b, {a.x, b.y}};
    for (int i = 0; i < 4; ++i) page.line(frame[i], frame[(i + 1) % 4], kGrey, 0.2);
    // Past the strip shared with the tile before, so the label sits in this tile's own cell.
    const double shared = (tiling.tileWidth - tiling.pitchX) * scale;
    page.text({a.x + (tile.column > 0 ? shared : 0) + 1.5, a.y + (tile.row > 0 ? shared : 0) + 4},
              tileName(tile), 7, kDarkGrey, TextAlign::Left);
  }
}

void printTile(TemplatePage& page, const MmRect& printable, const TemplateDrawing& drawing,
               const TemplateTiling& tiling, const TemplateTile& tile, const TemplateTexts& texts,
               int pageNumber, int pages) {
  auto map = [&](Point p) {
    return Point{printable.left + p.x - tile.origin.x, printable.top + p.y - tile.origin.y};
  };
  for (const TemplateLine& l : drawing.lines) {
    drawClipped(page, map(l.from), map(l.to), strokeOf(l.pen), printable);
  }

  // Where the next tile's edges fall, and the corners of this tile's own cell: the neighbours
  // draw theirs on the same points of the wing.
  const double cellRight = printable.left + tiling.pitchX;
  const double cellBottom = printable.top + tiling.pitchY;
  if (tile.column + 1 < tiling.columns) {
    page.line({cellRight, printable.top}, {cellRight, printable.bottom()}, kGrey, 0.1);
  }
  if (tile.row + 1 < tiling.rows) {
    page.line({printable.left, cellBottom}, {printable.right(), cellBottom}, kGrey, 0.1);
  }
  for (const double x : {printable.left, cellRight}) {
    for (const double y : {printable.top, cellBottom}) {
      cross(page, {x, y}, kRegistrationArm, kBlack, 0.15);
    }
  }

  // The label above the printable area, the scale bar below it.
  const double labelY = printable.top - 2.5;
  page.text({printable.left + kLabelInset, labelY}, texts.sheetName, kLabelPoints, kBlack,
            TextAlign::Left);
  page.text({cellRight - kLabelInset, labelY},
            "1:1   " + tileName(tile) + "   " + std::to_string(pageNumber) + " / " +
                std::to_string(pages),
            kLabelPoints, kBlack, TextAlign::Right);
  const double barY = printable.bottom() + 3;
  const double barLeft = printable.left + kLabelInset;
  const double barRight = barLeft + kScaleBar;
  page.line({barLeft, barY}, {barRight, barY}, kBlack, 0.25);
  for (const double x : {barLeft, barRight}) {
    page.line({x, barY - 1.5}, {x, barY + 1.5}, kBlack, 0.25);
  }
  page.text({barRight + 3, barY + 1.2}, "100 mm", kLabelPoints, kBlack, TextAlign::Left);
}

}  // namespace

TemplateDrawing templateDrawing(const wing::WingGeometry& geometry) {
  TemplateDrawing drawing;
  auto add = [&](Point a, Point b, TemplatePen pen) { drawing.lines.push_back({a, b, pen}); };
  for (const wing::PanelOutline& p : geometry.panels) {
    add(p.rootLeadingEdge, p.tipLeadingEdge, TemplatePen::Outline);
    add(p.tipLeadingEdge, p.tipTrailingEdge, TemplatePen::Outline);
    add(p.tipTrailingEdge, p.rootTrailingEdge, TemplatePen::Outline);
    add(p.rootTrailingEdge, p.rootLeadingEdge, TemplatePen::Outline);
  }
  add(geometry.macLeadingEdge, geometry.macTrailingEdge, TemplatePen::Mac);
  const Point& c = geometry.centring;
  add({c.x - kCentringArm, c.y}, {c.x + kCentringArm, c.y}, TemplatePen::Centring);
  add({c.x, c.y - kCentringArm}, {c.x, c.y + kCentringArm}, TemplatePen::Centring);
  add({geometry.rootLeadingEdge.x, geometry.rootLeadingEdge.y - kAxisOverrun},
      {geometry.rootTrailingEdge.x, geometry.rootTrailingEdge.y + kAxisOverrun},
      TemplatePen::RootAxis);

  // The pages are chosen for the outline and its marks; the axis runs on as far as they reach.
  double left = drawing.lines.front().from.x, right = left;
  double top = drawing.lines.front().from.y, bottom = top;
  for (const TemplateLine& l : drawing.lines) {
    if (l.pen == TemplatePen::RootAxis) continue;
    for (const Point& p : {l.from, l.to}) {
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

void printTemplate(const wing::WingGeometry& geometry, const TemplateTexts& texts,
                   TemplatePage& page) {
  const MmRect printable = page.printableArea();
  const TemplateDrawing drawing = templateDrawing(geometry);
  const TemplateTiling tiling =
      tileTemplate(drawing, printable.width, printable.height, kTemplateOverlap);
  const int pages = 1 + static_cast<int>(tiling.tiles.size());
  page.newPage();
  printOverview(page, printable, drawing, tiling, texts);
  for (std::size_t i = 0; i < tiling.tiles.size(); ++i) {
    page.newPage();
    printTile(page, printable, drawing, tiling, tiling.tiles[i], texts, static_cast<int>(i) + 2,
              pages);
  }
}

}  // namespace tavelor::plot

// The template's pages as drawings on the paper: the overview of the whole template and where
// each page goes, then each tile of the wing at full size with what lays it against the next.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iterator>
#include <string>

#include "base/units.h"
#include "plot/template_layout.h"

namespace tavelor::plot {

namespace {

using wing::Point;

constexpr double kRegistrationArm = 5;  // the crosses at a tile's cell corners
constexpr double kScaleBar = 100;
constexpr double kLabelInset = 7;  // keeps the margin texts clear of the corner crosses
constexpr double kLabelPoints = 8;
constexpr double kHeaderHeight = 16;  // the overview's name and figures above the drawing

// Dash, gap, dot, gap: long enough to read as a centre line at full size.
constexpr double kDashDot[] = {8, 2, 1, 2};

// Draws a page-space line inside clip. The root axis is cut into dashes from its own start, so
// on tiles (a pure shift) the pattern runs on across the page edge.
void drawClipped(Drawing& page, Point a, Point b, Role role, const MmRect& clip) {
  auto piece = [&](Point from, Point to) {
    if (const auto inside = clipped(from, to, clip)) page.line(role, inside->first, inside->second);
  };
  if (role != Role::RootAxis) {
    piece(a, b);
    return;
  }
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  double s = 0;
  for (std::size_t i = 0; s < length; s += kDashDot[i], i = (i + 1) % std::size(kDashDot)) {
    if (i % 2 == 0) {
      piece(wing::pointAlong(a, b, s / length),
            wing::pointAlong(a, b, std::min(s + kDashDot[i], length) / length));
    }
  }
}

void drawWing(Drawing& page, const TemplateDrawing& drawing, auto map, const MmRect& clip) {
  for (const Polyline& l : drawing.drawing.lines) {
    forEachSegment(l, [&](Point a, Point b) { drawClipped(page, map(a), map(b), l.role, clip); });
  }
  for (Text text : drawing.drawing.texts) {
    text.at = map(text.at);
    if (clip.left <= text.at.x && text.at.x <= clip.right() && clip.top <= text.at.y &&
        text.at.y <= clip.bottom())
      page.texts.push_back(std::move(text));
  }
}

void cross(Drawing& page, Point c, double arm) {
  page.line(Role::Registration, {c.x - arm, c.y}, {c.x + arm, c.y});
  page.line(Role::Registration, {c.x, c.y - arm}, {c.x, c.y + arm});
}

std::string tileName(const TemplateTile& tile) {
  return "R" + std::to_string(tile.row + 1) + "C" + std::to_string(tile.column + 1);
}

Drawing overview(const MmRect& printable, const TemplateDrawing& drawing,
                 const TemplateTiling& tiling, const TemplateTexts& texts) {
  Drawing page;
  page.texts.push_back({{printable.left, printable.top + 5}, texts.sheetName, 14});
  page.texts.push_back({{printable.left, printable.top + 11}, texts.figures, 10});

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
  drawWing(page, drawing, map, onPage);
  for (const TemplateTile& tile : tiling.tiles) {
    const Point a = map(tile.origin);
    const Point b = map({tile.origin.x + tiling.tileWidth, tile.origin.y + tiling.tileHeight});
    const Point frame[] = {a, {b.x, a.y}, b, {a.x, b.y}};
    for (int i = 0; i < 4; ++i) page.line(Role::TileFrame, frame[i], frame[(i + 1) % 4]);
    // Past the strip shared with the tile before, so the label sits in this tile's own cell.
    const double shared = (tiling.tileWidth - tiling.pitchX) * scale;
    page.texts.push_back(
        {{a.x + (tile.column > 0 ? shared : 0) + 1.5, a.y + (tile.row > 0 ? shared : 0) + 4},
         tileName(tile),
         7,
         TextAlign::Left,
         TextAnchor::Baseline,
         kDarkGrey});
  }
  return page;
}

Drawing tilePage(const MmRect& printable, const TemplateDrawing& drawing,
                 const TemplateTiling& tiling, const TemplateTile& tile, const TemplateTexts& texts,
                 int pageNumber, int pages) {
  Drawing page;
  auto map = [&](Point p) {
    return Point{printable.left + p.x - tile.origin.x, printable.top + p.y - tile.origin.y};
  };
  drawWing(page, drawing, map, printable);

  // Where the next tile's edges fall, and the corners of this tile's own cell: the neighbours
  // draw theirs on the same points of the wing.
  const double cellRight = printable.left + tiling.pitchX;
  const double cellBottom = printable.top + tiling.pitchY;
  if (tile.column + 1 < tiling.columns) {
    page.line(Role::TrimLine, {cellRight, printable.top}, {cellRight, printable.bottom()});
  }
  if (tile.row + 1 < tiling.rows) {
    page.line(Role::TrimLine, {printable.left, cellBottom}, {printable.right(), cellBottom});
  }
  for (const double x : {printable.left, cellRight}) {
    for (const double y : {printable.top, cellBottom}) cross(page, {x, y}, kRegistrationArm);
  }

  // The label above the printable area, the scale bar below it.
  const double labelY = printable.top - 2.5;
  page.texts.push_back({{printable.left + kLabelInset, labelY}, texts.sheetName, kLabelPoints});
  page.texts.push_back({{cellRight - kLabelInset, labelY},
                        "1:1   " + tileName(tile) + "   " + std::to_string(pageNumber) + " / " +
                            std::to_string(pages),
                        kLabelPoints,
                        TextAlign::Right});
  const double barY = printable.bottom() + 3;
  const double barLeft = printable.left + kLabelInset;
  const double barRight = barLeft + kScaleBar;
  page.line(Role::ScaleBar, {barLeft, barY}, {barRight, barY});
  for (const double x : {barLeft, barRight}) {
    page.line(Role::ScaleBar, {x, barY - 1.5}, {x, barY + 1.5});
  }
  page.texts.push_back({{barRight + 3, barY + 1.2}, "100 mm", kLabelPoints});
  // Beside it, on the same baseline, for a ruler in inches: 4 in, its ends ticked downwards.
  const double inchY = barY + 1;
  const double inchRight = barLeft + 4 * base::kMmPerInch;
  page.line(Role::ScaleBar, {barLeft, inchY}, {inchRight, inchY});
  for (const double x : {barLeft, inchRight})
    page.line(Role::ScaleBar, {x, inchY}, {x, inchY + 1.5});
  page.texts.push_back({{barRight + 15, barY + 1.2}, "4 in", kLabelPoints});
  return page;
}

}  // namespace

std::vector<Drawing> templatePages(const TemplateDrawing& drawing, const TemplateTexts& texts,
                                   const MmRect& printable) {
  const TemplateTiling tiling =
      tileTemplate(drawing, printable.width, printable.height, kTemplateOverlap);
  const int pages = 1 + static_cast<int>(tiling.tiles.size());
  std::vector<Drawing> drawings{overview(printable, drawing, tiling, texts)};
  for (std::size_t i = 0; i < tiling.tiles.size(); ++i) {
    drawings.push_back(tilePage(printable, drawing, tiling, tiling.tiles[i], texts,
                                static_cast<int>(i) + 2, pages));
  }
  return drawings;
}

}  // namespace tavelor::plot

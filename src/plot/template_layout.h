#pragma once

// The half-wing at full size, tiled over printer pages, to build on.
//
// The drawing is the wing geometry's half-wing at 1:1 (x spanwise from the root, y aft of the
// root leading edge, so the root is on the left and the leading edge up) plus its marks. It is
// cut into tiles the size of the printable area that overlap their neighbours by a strip, so
// the builder lays each page over the one before, trims along the grey line and the crosses
// meet. The first page is an overview of the whole template and of where each page goes.
//
// Everything here is millimetres: each page is a Drawing on the paper, from its top-left corner,
// for a renderer to map onto the printer. Nothing measures text: texts are placed by their
// baseline and alignment.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plot/drawing.h"
#include "plot/page_surface.h"  // PageError
#include "wing/geometry.h"

namespace tavelor::plot {

inline constexpr double kTemplateMargin = 10;   // least margin around the printable area
inline constexpr double kTemplateOverlap = 10;  // strip a tile shares with its neighbour
inline constexpr int kMaxTemplateTiles = 1000;  // a grid larger than this is refused

struct MmRect {
  double left = 0, top = 0, width = 0, height = 0;
  double right() const { return left + width; }
  double bottom() const { return top + height; }
  friend bool operator==(const MmRect&, const MmRect&) = default;
};

// Any drawing at full size with the part of the paper the pages must cover.
struct TemplateDrawing {
  Drawing drawing;  // 1:1: the wing and its marks, or the rib sheets
  MmRect extent;    // the bounding box of all lines but the root axis, and a border of 5 mm
};

// The drawing to tile as it is, its extent found as the wing's is.
TemplateDrawing fullSizeDrawing(Drawing drawing);
TemplateDrawing templateDrawing(const wing::WingGeometry& geometry, const RibLines& ribs = {});

// Calls f(a, b) for each segment of line, the closing one included.
template <typename F>
void forEachSegment(const Polyline& line, F&& f) {
  const std::size_t n = line.points.size();
  for (std::size_t i = 0; i + 1 < n; ++i) f(line.points[i], line.points[i + 1]);
  if (line.closed && n > 2) f(line.points.back(), line.points.front());
}

struct TemplateTile {
  int row = 0, column = 0;  // from 0
  wing::Point origin;       // the drawing's point at the printable area's top-left corner
};

struct TemplateTiling {
  int rows = 0, columns = 0;
  double tileWidth = 0, tileHeight = 0;  // the printable area's
  double pitchX = 0, pitchY = 0;         // from one tile to the next: less the overlap
  wing::Point origin;                    // the drawing's point at the grid's top-left corner
  std::vector<TemplateTile> tiles;       // those holding part of the wing or its marks, by row
};

// Tiles the drawing's extent with printable areas of printableWidth x printableHeight mm that
// overlap by `overlap`: the fewest rows and columns, the drawing placed in the grid so that the
// fewest tiles hold a part of it. Throws PageError for a printable area no larger than the overlap,
// an extent that is not finite, or a grid of more than kMaxTemplateTiles.
TemplateTiling tileTemplate(const TemplateDrawing& drawing, double printableWidth,
                            double printableHeight, double overlap);

// The part of segment a-b inside r, when it has a length.
std::optional<std::pair<wing::Point, wing::Point>> clipped(wing::Point a, wing::Point b,
                                                           const MmRect& r);

// What the caller has already looked up in the user's language.
struct TemplateTexts {
  std::string sheetName;  // the wing's name, on every page
  std::string figures;    // one line of main figures for the overview
};

// The pages of a full-size drawing on paper whose printable area is `printable` (the paper less a
// margin of kTemplateMargin, or the printer's own minimum where that is larger): the overview,
// then every kept tile, row by row. Throws PageError as tileTemplate does.
std::vector<Drawing> templatePages(const TemplateDrawing& drawing, const TemplateTexts& texts,
                                   const MmRect& printable);

}  // namespace tavelor::plot

#pragma once

// The half-wing at full size, tiled over printer pages, to build on.
//
// The drawing is the wing geometry's half-wing at 1:1 (x spanwise from the root, y aft of the
// root leading edge, so the root is on the left and the leading edge up) plus its marks. It is
// cut into tiles the size of the printable area that overlap their neighbours by a strip, so
// the builder lays each page over the one before, trims along the grey line and the crosses
// meet. The first page is an overview of the whole template and of where each page goes.
//
// Everything here is millimetres; the page port maps them onto paper. Nothing measures text:
// texts are placed by their baseline and alignment.

#include <string>
#include <vector>

#include "plot/drawing.h"
#include "plot/page_surface.h"
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

enum class TemplatePen { Outline, Mac, Centring, RootAxis };

struct TemplateLine {
  wing::Point from, to;
  TemplatePen pen = TemplatePen::Outline;
};

struct TemplateDrawing {
  std::vector<TemplateLine> lines;  // every panel's outline, the MAC, the centring cross, the axis
  MmRect extent;  // the bounding box of all lines but the root axis, and a border of 5 mm
};

TemplateDrawing templateDrawing(const wing::WingGeometry& geometry);

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

// What the caller has already looked up in the user's language.
struct TemplateTexts {
  std::string sheetName;  // the wing's name, on every page
  std::string figures;    // one line of main figures (span, MAC, CG) for the overview
};

// The printer as the template sees it: millimetres from the paper's top-left corner, y
// downward. Every operation may throw PageError.
class TemplatePage {
 public:
  virtual ~TemplatePage() = default;
  // The part of the paper the template draws in: the paper less a margin of kTemplateMargin,
  // or the printer's own minimum where that is larger.
  virtual MmRect printableArea() const = 0;
  // Starts the next page; the first call starts the first page.
  virtual void newPage() = 0;
  // A solid line with flat ends, widthMm wide.
  virtual void line(wing::Point from, wing::Point to, Rgb colour, double widthMm) = 0;
  // Text on a baseline through `at`, which is its left end, middle or right end.
  virtual void text(wing::Point at, const std::string& text, double sizePoints, Rgb colour,
                    TextAlign align) = 0;
};

// Draws the overview and then every kept tile, row by row, each on a new page.
void printTemplate(const wing::WingGeometry& geometry, const TemplateTexts& texts,
                   TemplatePage& page);

}  // namespace tavelor::plot

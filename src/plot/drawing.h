#pragma once

// What a picture is: lines and texts in millimetres, drawn by any renderer.
//
// A picture (the plan, the sheet, a template page, the cut outline) is a function from the
// geometry and what it needs (texts, scale, tile) to a Drawing. The renderers (the Qt painter
// for the screen and the printer, DXF, SVG) draw any Drawing; each line's role picks its pen
// from one table, so the outline looks alike wherever it goes. Coordinates are millimetres:
// of the wing (x along the span from the root, y aft of the root leading edge) or of the paper
// (from its top-left corner, y down), as the picture says.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "wing/geometry.h"

namespace tavelor::plot {

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kGreen{0, 255, 0};
inline constexpr Rgb kGrey{150, 150, 150};
inline constexpr Rgb kDarkGrey{70, 70, 70};
inline constexpr Rgb kMidGrey{160, 160, 164};
inline constexpr Rgb kLoadRed{200, 0, 0};
inline constexpr Rgb kOrange{230, 120, 0};
inline constexpr Rgb kMidGreen{0, 150, 0};
inline constexpr Rgb kMidBlue{0, 0, 220};
inline constexpr Rgb kRibBrown{150, 90, 30};
inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kDarkRed{192, 0, 0};
inline constexpr Rgb kDarkGreen{0, 128, 0};
inline constexpr Rgb kShadow{128, 128, 128};

enum class Role {
  Outline,       // the wing's contour, cut in cut files
  Joint,         // the chord two panels share
  MeanChord,     // the mean aerodynamic chord, leading to trailing edge
  CentringMark,  // the cross or line at the centring point
  RootAxis,      // the root chord's centre line
  RootMark,      // the ticks beyond the root's leading and trailing edges
  Guide,         // a guide to the eye, such as the leading edge from the root to the CG
  TrimLine,      // where a template page is trimmed to meet its neighbour
  TileFrame,     // a template page's place in the overview
  Registration,  // the crosses that pages are laid together on
  ScaleBar,      // the bar that proves the scale
  // The stability window's span-load picture, each line as wide on the screen as its pen says:
  // the zero load, the elliptic load (cut into dashes by the picture), the wing's load, and the
  // local lift with the dot where it peaks.
  LoadAxis,
  EllipticLoad,
  SpanLoad,
  LocalLift,
  // The stability plan's marks on the centre line, as wide as the span load's: the neutral point
  // and the CG for the wanted margin, each a short line with a dot.
  NeutralPointMark,
  CentringPointMark,
  RibContour,  // a rib's contour, cut from the stock sheet
  Label,       // the layer of a cut file's texts, never cut (a drawing's texts take no role)
  StockSheet,  // the edge of a stock sheet ribs are nested on
  Rib,         // where a rib stands across the planform, LE to TE
  // The program's glyphs and emblem (see plot/glyphs.h), in the glyph's pixels: its strokes, the
  // emblem's mean chord and CG line, the cross, and a printer's edges, details and light.
  GlyphStroke,
  GlyphMeanChord,
  GlyphCentring,
  GlyphCross,
  GlyphEdge,
  GlyphDetail,
  GlyphLight,
};

// Where a rib stands across the planform, in the wing's millimetres: a picture draws its line
// from the leading to the trailing edge at its station, and its name ahead of the leading edge.
struct RibLine {
  std::string name;
  double station = 0, leadingEdge = 0, chord = 0;  // as rib::Rib's
};
using RibLines = std::vector<RibLine>;

// How a role is drawn. On paper at true scale a line is widthMm wide and solid (a picture that
// wants dashes at true scale cuts them itself, so tiles continue the pattern); as a hairline (the
// screen plan, the sheet) the dashed roles are dash-dot-dot, to read apart from the outline.
// In cut files the cut roles are hairlines the laser follows; the rest are marks.
struct Pen {
  Rgb colour;
  double widthMm;
  bool dashed;
  bool cut;
  const char* layer;  // the DXF layer and SVG group
  int dxfColour;      // AutoCAD colour index
  bool wide;          // never a hairline: as wide on the screen as widthMm says
};

// A text's size in points, in millimetres.
inline constexpr double kMmPerPoint = 25.4 / 72;

// Each line of the centring cross, in every picture that marks the CG with one: the template at
// full size and the cut files alike.
inline constexpr double kCentringMarkLength = 10;  // mm

// The one table of pens, by role.
const Pen& penOf(Role role);

struct Polyline {
  Role role = Role::Outline;
  std::vector<wing::Point> points;
  bool closed = false;           // back from the last point to the first
  std::optional<Rgb> fill = {};  // closed and filled in this colour, on the screen (a dot, a glyph)
};

enum class TextAlign { Left, Centre, Right };

// Which line of the text the anchor lies on: its baseline, or the top of its line.
enum class TextAnchor { Baseline, Top };

struct Text {
  wing::Point at;  // on the text's left end, middle or right end, as align says
  std::string text;
  double points = 10;  // font size
  TextAlign align = TextAlign::Left;
  TextAnchor anchor = TextAnchor::Baseline;
  Rgb colour = kBlack;
  bool bold = false;
  bool underline = false;
  bool italic = false;
};

struct Drawing {
  std::vector<Polyline> lines;
  std::vector<Text> texts;

  void line(Role role, wing::Point from, wing::Point to) { lines.push_back({role, {from, to}}); }
  // A filled round dot.
  void dot(Role role, wing::Point centre, double radius);
};

// The smallest box holding every line's points (texts left out); min above max when there are
// none.
struct Bounds {
  wing::Point min, max;
};
Bounds boundsOf(const Drawing& drawing);

// Every point and text anchor is finite and every text size positive: the drawing lies somewhere.
bool isFinite(const Drawing& drawing);

}  // namespace tavelor::plot

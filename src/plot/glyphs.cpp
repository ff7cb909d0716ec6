#include "plot/glyphs.h"

#include <algorithm>
#include <utility>

namespace tavelor::plot {

namespace {

// A box's outline from its top-left corner, filled.
Polyline box(Role role, double x, double y, double width, double height, Rgb fill) {
  return {role, {{x, y}, {x + width, y}, {x + width, y + height}, {x, y + height}}, true, fill};
}

}  // namespace

Drawing sumGlyph() {
  Drawing glyph;
  glyph.lines.push_back(
      {Role::GlyphStroke, {{13, 3}, {13, 2}, {3, 2}, {8, 8}, {3, 14}, {13, 14}, {13, 13}}});
  return glyph;
}

Drawing crossGlyph() {
  Drawing glyph;
  glyph.line(Role::GlyphCross, {3.5, 3.5}, {12.5, 12.5});
  glyph.line(Role::GlyphCross, {12.5, 3.5}, {3.5, 12.5});
  return glyph;
}

Drawing printerGlyph() {
  Drawing glyph;
  // On the pixels' centres, so its one-pixel lines stay sharp.
  glyph.lines = {box(Role::GlyphEdge, 4.5, 1.5, 7, 5, {255, 255, 255}),    // paper going in
                 box(Role::GlyphEdge, 1.5, 6.5, 13, 6, {192, 192, 192}),   // body
                 box(Role::GlyphEdge, 4.5, 10.5, 7, 4, {255, 255, 255})};  // sheet coming out
  glyph.line(Role::GlyphLight, {12, 8.5}, {13, 8.5});
  glyph.line(Role::GlyphDetail, {5, 12.5}, {10, 12.5});
  return glyph;
}

Drawing emblem() {
  const auto at = [](double x, double y) { return wing::Point{x * kEmblemSize, y * kEmblemSize}; };
  Drawing glyph;
  glyph.lines.push_back({Role::GlyphStroke,
                         {at(0.06, 0.15), at(0.94, 0.40), at(0.94, 0.62), at(0.06, 0.85)},
                         true,
                         Rgb{255, 255, 160}});
  glyph.line(Role::GlyphMeanChord, at(0.42, 0.20), at(0.42, 0.80));
  glyph.line(Role::GlyphCentring, at(0.30, 0.42), at(0.54, 0.42));
  return glyph;
}

Drawing logoDrawing(double width, double pointsHigh, TextMeasure& measure) {
  Drawing logo = emblem();
  Text name{{kEmblemSize * 1.12, kEmblemSize / 2}, "Tavelor", pointsHigh * 0.6};
  name.colour = kNavy;
  name.bold = name.italic = true;
  // Centred on the emblem's middle: the baseline a third of the size below it.
  // Its slant reaches a little beyond the advance.
  const double room = (width - name.at.x) * 0.97;
  for (int i = 0; i < 40 && measure.advance(name) > room; ++i) name.points *= 0.97;
  name.at.y += measure.lineSpacing(name) * 0.3;
  logo.texts.push_back(std::move(name));
  return logo;
}

}  // namespace tavelor::plot

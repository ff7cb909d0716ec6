#include "qt/glyphs.h"

#include <QPainter>

#include "plot/glyphs.h"
#include "qt/drawing_painter.h"

namespace tavelor::qt {

namespace {

// The drawing on a transparent pixmap, scale pixels to its unit.
QPixmap pixmapOf(const plot::Drawing& drawing, QSize size, double scale) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paintDrawing(painter, drawing, {QTransform::fromScale(scale, scale), false, 0, {}});
  return pixmap;
}

}  // namespace

QPixmap glyphPixmap(const plot::Drawing& glyph) {
  return pixmapOf(glyph, QSize(plot::kGlyphSize, plot::kGlyphSize), 1);
}

QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64})
    icon.addPixmap(pixmapOf(plot::emblem(), {size, size}, size / plot::kEmblemSize));
  return icon;
}

QPixmap logoImage(int width, int height) {
  QPixmap pixmap(width, height);
  const double scale = height / plot::kEmblemSize;
  DeviceMeasure measure(&pixmap, scale);
  const plot::Drawing logo =
      plot::logoDrawing(width / scale, height * 72.0 / pixmap.logicalDpiY(), measure);
  return pixmapOf(logo, {width, height}, scale);
}

}  // namespace tavelor::qt

#include "qt/outline_svg.h"

#include <QBuffer>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QSvgGenerator>
#include <algorithm>
#include <climits>
#include <cmath>

#include "plot/outline_drawing.h"

namespace tavelor::qt {

namespace {

constexpr double kMargin = 5;        // mm, at least, around the drawing
constexpr double kLineWidth = 0.25;  // mm
// Ten dots a millimetre: the page size, given in dots, comes out in whole millimetres.
constexpr int kDotsPerInch = 254;
constexpr double kDotsPerMm = kDotsPerInch / 25.4;

QPointF point(wing::Point p) { return {p.x, p.y}; }

QLineF line(const plot::OutlineLine& l) { return {point(l.from), point(l.to)}; }

QPen pen(const QColor& colour) {
  QPen p(colour, kLineWidth);
  p.setCapStyle(Qt::FlatCap);  // the marks end where they end
  p.setJoinStyle(Qt::MiterJoin);
  return p;
}

int dots(double mm) {
  // Only a wing hundreds of kilometres long would not fit: its page stays as large as can be.
  return static_cast<int>(std::min(std::round(mm * kDotsPerMm), double{INT_MAX}));
}

// QSvgGenerator (Qt 6.4) writes the title into the XML as it is; control characters have no
// place in XML 1.0 at all.
QString xmlText(const QString& text) {
  QString clean = text;
  for (QChar& c : clean) {
    if (c.unicode() < 0x20) c = QLatin1Char(' ');
  }
  return clean.toHtmlEscaped();
}

}  // namespace

QByteArray outlineSvg(const wing::WingGeometry& geometry, const QString& title) {
  const plot::OutlineDrawing drawing = plot::outlineDrawing(geometry);
  // The box on whole millimetres, so its figures come out exact in the six digits Qt writes.
  const double left = std::floor(drawing.min.x - kMargin);
  const double top = std::floor(drawing.min.y - kMargin);
  const QRectF box(left, top, std::ceil(drawing.max.x + kMargin) - left,
                   std::ceil(drawing.max.y + kMargin) - top);

  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  // The size in dots and the resolution give the width and height in mm; the viewBox alone
  // maps the painter's coordinates, which are millimetres already.
  svg.setResolution(kDotsPerInch);
  svg.setSize(QSize(dots(box.width()), dots(box.height())));
  svg.setViewBox(box);
  svg.setTitle(xmlText(title));
  svg.setDescription(QStringLiteral("Half-wing outline, 1:1 in millimetres"));

  QPainter painter(&svg);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(pen(Qt::black));
  for (const auto& corners : drawing.panels) {
    QPolygonF polygon;
    for (const wing::Point& p : corners) polygon << point(p);
    painter.drawPolygon(polygon);
  }
  painter.setPen(pen(Qt::red));
  painter.drawLine(line(drawing.meanChord));
  painter.setPen(pen(Qt::blue));
  for (const plot::OutlineLine& l : drawing.centringCross) painter.drawLine(line(l));
  painter.end();
  return buffer.data();
}

}  // namespace tavelor::qt

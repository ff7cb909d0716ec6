#include "qt/drawing_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QString>

namespace tavelor::qt {

QColor toQColor(plot::Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

namespace {

// The font a text is painted and measured in.
QFont fontFor(const plot::Text& text) {
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(text.points);
  font.setBold(text.bold);
  font.setUnderline(text.underline);
  font.setItalic(text.italic);
  return font;
}

QPen penFor(plot::Role role, const DrawingMapping& mapping) {
  const plot::Pen& pen = plot::penOf(role);
  if (!mapping.hairlines || pen.wide) {
    // Flat ends: a line ends where the wing does, not half a pen width beyond.
    return QPen(toQColor(pen.colour), pen.widthMm * mapping.fromMm.m11(), Qt::SolidLine,
                Qt::FlatCap, Qt::MiterJoin);
  }
  QPen hairline(toQColor(pen.colour), mapping.hairlineWidth);
  hairline.setCosmetic(mapping.hairlineWidth == 0);
  hairline.setCapStyle(Qt::FlatCap);
  if (pen.dashed) {
    hairline.setStyle(Qt::DashDotDotLine);
    if (!mapping.hairlineDash.isEmpty()) hairline.setDashPattern(mapping.hairlineDash);
  }
  return hairline;
}

void paintText(QPainter& painter, const plot::Text& text, const QTransform& fromMm) {
  const QFont font = fontFor(text);
  const QString shown = QString::fromStdString(text.text);
  // Measured on the device itself, so the width matches what it paints.
  const QFontMetricsF metrics(font, painter.device());
  QPointF baseline = fromMm.map(QPointF(text.at.x, text.at.y));
  if (text.anchor == plot::TextAnchor::Top) baseline.ry() += metrics.ascent();
  if (text.align == plot::TextAlign::Centre) baseline.rx() -= metrics.horizontalAdvance(shown) / 2;
  if (text.align == plot::TextAlign::Right) baseline.rx() -= metrics.horizontalAdvance(shown);
  painter.setFont(font);
  painter.setPen(QPen(toQColor(text.colour)));
  painter.drawText(baseline, shown);
}

}  // namespace

void paintDrawing(QPainter& painter, const plot::Drawing& drawing, const DrawingMapping& mapping) {
  for (const plot::Polyline& line : drawing.lines) {
    QPolygonF points;
    for (const wing::Point& p : line.points) points << mapping.fromMm.map(QPointF(p.x, p.y));
    painter.setPen(penFor(line.role, mapping));
    if (line.closed) {
      painter.setBrush(line.fill ? QBrush(toQColor(*line.fill)) : QBrush(Qt::NoBrush));
      painter.drawPolygon(points);
    } else if (points.size() == 2) {
      painter.drawLine(points[0], points[1]);
    } else {
      painter.drawPolyline(points);
    }
  }
  for (const plot::Text& text : drawing.texts) {
    if (!text.text.empty()) paintText(painter, text, mapping.fromMm);
  }
}

double DeviceMeasure::advance(const plot::Text& text) {
  return QFontMetricsF(fontFor(text), device_)
             .horizontalAdvance(QString::fromStdString(text.text)) /
         unit_;
}

double DeviceMeasure::lineSpacing(const plot::Text& text) {
  return QFontMetricsF(fontFor(text), device_).lineSpacing() / unit_;
}

}  // namespace tavelor::qt

#include "qt/glyphs.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tavelor::qt {

namespace {

QPixmap blankGlyph(int size = 16) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

// A swept half-wing in a square of the given size, with the mean chord in red.
void paintWing(QPainter& painter, const QRectF& box) {
  const double w = box.width();
  const double h = box.height();
  const QPointF o = box.topLeft();
  QPolygonF outline;
  outline << o + QPointF(0.06 * w, 0.15 * h) << o + QPointF(0.94 * w, 0.40 * h)
          << o + QPointF(0.94 * w, 0.62 * h) << o + QPointF(0.06 * w, 0.85 * h);
  painter.setPen(QPen(QColor(0, 0, 128), std::max(1.0, w / 20)));
  painter.setBrush(QColor(255, 255, 160));
  painter.drawPolygon(outline);
  painter.setPen(QPen(QColor(255, 0, 0), std::max(1.0, w / 24)));
  painter.drawLine(o + QPointF(0.42 * w, 0.20 * h), o + QPointF(0.42 * w, 0.80 * h));
  painter.setPen(QPen(QColor(0, 0, 255), std::max(1.0, w / 24)));
  painter.drawLine(o + QPointF(0.30 * w, 0.42 * h), o + QPointF(0.54 * w, 0.42 * h));
}

}  // namespace

QPixmap sumGlyph() {
  QPixmap pixmap = blankGlyph();
  QPainter painter(&pixmap);
  QPainterPath sigma;
  sigma.moveTo(13, 3);
  sigma.lineTo(13, 2);
  sigma.lineTo(3, 2);
  sigma.lineTo(8, 8);
  sigma.lineTo(3, 14);
  sigma.lineTo(13, 14);
  sigma.lineTo(13, 13);
  painter.setPen(QPen(QColor(0, 0, 128), 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPath(sigma);
  return pixmap;
}

QPixmap crossGlyph() {
  QPixmap pixmap = blankGlyph();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(192, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
  painter.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
  return pixmap;
}

QPixmap printerGlyph() {
  QPixmap pixmap = blankGlyph();
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.setBrush(Qt::white);
  painter.drawRect(4, 1, 7, 5);  // paper going in
  painter.setBrush(QColor(192, 192, 192));
  painter.drawRect(1, 6, 13, 6);  // body
  painter.setBrush(Qt::white);
  painter.drawRect(4, 10, 7, 4);  // sheet coming out
  painter.setPen(QColor(0, 128, 0));
  painter.drawPoint(12, 8);  // power light
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(5, 12, 9, 12);
  return pixmap;
}

QIcon programIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QPixmap pixmap = blankGlyph(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paintWing(painter, QRectF(0, 0, size, size));
    painter.end();
    icon.addPixmap(pixmap);
  }
  return icon;
}

QPixmap logoImage(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  paintWing(painter, QRectF(0, 0, height, height));
  QFont font(QStringLiteral("Arial"));
  font.setBold(true);
  font.setItalic(true);
  const QString name = QStringLiteral("Tavelor");
  const QRect textBox(height + 4, 0, width - height - 4, height);
  // The largest size at which the name fits beside the wing.
  for (int pixels = std::max(8, height * 3 / 5); pixels > 6; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetrics(font).horizontalAdvance(name) <= textBox.width()) break;
  }
  painter.setFont(font);
  painter.setPen(QColor(0, 0, 128));
  painter.drawText(textBox, Qt::AlignVCenter, name);
  return pixmap;
}

}  // namespace tavelor::qt

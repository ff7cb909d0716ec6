#include "qt/drawing_view.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "qt/drawing_painter.h"

namespace tavelor::qt {

DrawingView::DrawingView(const QString& name, QSize minimum, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setMinimumSize(minimum);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DrawingView::setDrawing(plot::Drawing drawing, std::optional<plot::Bounds> box) {
  drawing_ = std::move(drawing);
  box_ = box;
  layout_ = nullptr;
  update();
}

void DrawingView::setPicture(Layout layout) {
  layout_ = std::move(layout);
  update();
}

QSize DrawingView::sizeHint() const {
  if (!natural_) return QFrame::sizeHint();
  const QSize frame(2 * frameWidth(), 2 * frameWidth());
  return QSizeF(natural_->width() * logicalDpiX() / 25.4, natural_->height() * logicalDpiY() / 25.4)
             .toSize() +
         frame;
}

QSize DrawingView::minimumSizeHint() const {
  if (!natural_) return QFrame::minimumSizeHint();
  const QSize frame(2 * frameWidth(), 2 * frameWidth());
  return (sizeHint() - frame) / 2 + frame;
}

void DrawingView::paintEvent(QPaintEvent* event) {
  const QRect inside = contentsRect();
  {
    QPainter painter(this);
    painter.fillRect(inside, Qt::white);
    painter.setClipRect(inside);
    painter.setRenderHint(QPainter::Antialiasing, look_.smooth);
    std::optional<QTransform> fromMm;
    if (layout_) {
      const double kx = logicalDpiX() / 25.4, ky = logicalDpiY() / 25.4;
      DeviceMeasure measure(this, kx);
      drawing_ = layout_({{0, 0}, {inside.width() / kx, inside.height() / ky}}, measure);
      fromMm = QTransform(kx, 0, 0, ky, inside.left(), inside.top());
    } else {
      const plot::Bounds box = box_.value_or(plot::boundsOf(drawing_));
      const double width = box.max.x - box.min.x, depth = box.max.y - box.min.y;
      const double m = look_.margin;
      const QRectF area = QRectF(inside).adjusted(m, m, -m, -m);
      const double scale = std::min(area.width() / width, area.height() / depth);
      const QPointF corner = area.center() - QPointF(width, depth) * scale / 2;
      if (width > 0 && depth > 0) {
        fromMm = QTransform(scale, 0, 0, scale, corner.x() - box.min.x * scale,
                            corner.y() - box.min.y * scale);
      }
    }
    if (fromMm && plot::isFinite(drawing_)) {
      paintDrawing(painter, drawing_, {*fromMm, true, look_.hairlineWidth, look_.dash});
    }
  }
  QFrame::paintEvent(event);
}

}  // namespace tavelor::qt

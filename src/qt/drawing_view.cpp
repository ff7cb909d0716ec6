#include "qt/drawing_view.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "qt/drawing_painter.h"

namespace tavelor::qt {

namespace {

constexpr double kMargin = 8;  // pixels

}  // namespace

DrawingView::DrawingView(const QString& name, QSize minimum, QWidget* parent) : QFrame(parent) {
  setObjectName(name);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setMinimumSize(minimum);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void DrawingView::setDrawing(plot::Drawing drawing, std::optional<plot::Bounds> box) {
  drawing_ = std::move(drawing);
  box_ = box;
  update();
}

void DrawingView::paintEvent(QPaintEvent* event) {
  const QRect inside = contentsRect();
  {
    QPainter painter(this);
    painter.fillRect(inside, Qt::white);
    painter.setClipRect(inside);
    painter.setRenderHint(QPainter::Antialiasing);
    const plot::Bounds box = box_.value_or(plot::boundsOf(drawing_));
    const double width = box.max.x - box.min.x, depth = box.max.y - box.min.y;
    const QRectF area = QRectF(inside).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    if (width > 0 && depth > 0 && plot::isFinite(drawing_)) {
      const double scale = std::min(area.width() / width, area.height() / depth);
      const QPointF corner = area.center() - QPointF(width, depth) * scale / 2;
      const QTransform fromMm(scale, 0, 0, scale, corner.x() - box.min.x * scale,
                              corner.y() - box.min.y * scale);
      paintDrawing(painter, drawing_, {fromMm, true, 1.2, {}});
    }
  }
  QFrame::paintEvent(event);
}

}  // namespace tavelor::qt

#include "qt/plan_widget.h"

#include <QPainter>
#include <algorithm>
#include <utility>

#include "plot/plan_view.h"
#include "qt/drawing_painter.h"

namespace tavelor::qt {

PlanWidget::PlanWidget(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setObjectName(QStringLiteral("plan"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize PlanWidget::sizeHint() const {
  const QSizeF mm(plot::kPlanWidthMm, plot::kPlanHeightMm);
  const QSize frame(2 * frameWidth(), 2 * frameWidth());
  return (QSizeF(mm.width() * logicalDpiX(), mm.height() * logicalDpiY()) / 25.4).toSize() + frame;
}

QSize PlanWidget::minimumSizeHint() const {
  const QSize frame(2 * frameWidth(), 2 * frameWidth());
  return (sizeHint() - frame) / 2 + frame;
}

void PlanWidget::setPlan(plot::Drawing plan) {
  plan_ = std::move(plan);
  update();
}

void PlanWidget::paintEvent(QPaintEvent* event) {
  const QRect inside = contentsRect();
  {
    QPainter painter(this);
    painter.fillRect(inside, Qt::white);
    painter.setClipRect(inside);
    const double kx = logicalDpiX() / 25.4;
    const double ky = logicalDpiY() / 25.4;
    const QSizeF laidOut(plot::kPlanWidthMm * kx, plot::kPlanHeightMm * ky);
    const double grow =
        std::min(inside.width() / laidOut.width(), inside.height() / laidOut.height());
    // Centred in the strip, which may be wider or higher than the picture.
    painter.translate(QPointF(inside.topLeft()) +
                      QPointF(inside.width() - laidOut.width() * grow,
                              inside.height() - laidOut.height() * grow) /
                          2);
    if (plot::isFinite(plan_)) {
      paintDrawing(painter, plan_,
                   {QTransform::fromScale(kx * grow, ky * grow), true, 1, {9, 3, 3, 3, 3, 3}});
    }
  }
  QFrame::paintEvent(event);
}

}  // namespace tavelor::qt

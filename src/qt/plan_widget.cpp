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
    painter.translate(inside.topLeft());
    const double kx = logicalDpiX() / 25.4;
    const double ky = logicalDpiY() / 25.4;
    const double grow = std::max(1.0, std::min(inside.width() / (plot::kPlanWidthMm * kx),
                                               inside.height() / (plot::kPlanHeightMm * ky)));
    if (plot::isFinite(plan_)) {
      paintDrawing(painter, plan_,
                   {QTransform::fromScale(kx * grow, ky * grow), true, 1, {9, 3, 3, 3, 3, 3}});
    }
  }
  QFrame::paintEvent(event);
}

}  // namespace tavelor::qt

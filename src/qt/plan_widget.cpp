#include "qt/plan_widget.h"

#include <QPainter>
#include <QPen>

#include "qt/twips.h"

namespace tavelor::qt {

PlanWidget::PlanWidget(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(2);
  setObjectName(QStringLiteral("plan"));
}

void PlanWidget::clear() {
  lines_.clear();
  update();
}

void PlanWidget::setLineStyle(plot::LineStyle style) { style_ = style; }

void PlanWidget::drawLine(float x1, float y1, float x2, float y2, std::optional<plot::Rgb> colour) {
  const plot::Rgb rgb = colour.value_or(plot::kBlack);
  lines_.push_back({QLineF(x1, y1, x2, y2), QColor(rgb.r, rgb.g, rgb.b), style_});
  update();
}

void PlanWidget::paintEvent(QPaintEvent* event) {
  const QRect inside = contentsRect();
  {
    QPainter painter(this);
    painter.fillRect(inside, Qt::white);
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    const double kx = logicalDpiX() / kTwipsPerInch;
    const double ky = logicalDpiY() / kTwipsPerInch;
    for (const Line& line : lines_) {
      QPen pen(line.colour, 1);
      pen.setCapStyle(Qt::FlatCap);
      if (line.style == plot::LineStyle::DashDotDot) {
        pen.setDashPattern({9, 3, 3, 3, 3, 3});
      }
      painter.setPen(pen);
      painter.drawLine(QLineF(line.twips.x1() * kx, line.twips.y1() * ky, line.twips.x2() * kx,
                              line.twips.y2() * ky));
    }
  }
  QFrame::paintEvent(event);
}

}  // namespace tavelor::qt

#pragma once

#include <QFrame>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "plot/plan_view.h"
#include "qt/drawing_painter.h"
#include "wing/geometry.h"
#include "wing/stability.h"
#include "wing/wing.h"

namespace tavelor::qt {

inline const QColor kNeutralPointColour(0, 150, 0);
inline const QColor kCentringColour(0, 0, 220);

// The half-wing and the half-stabiliser in plan, to one scale: root on the left, the leading
// edges up, the stabiliser at the tail arm; the NP and the CG for the margin on the centre line.
class StabilityPlan : public QFrame {
 public:
  explicit StabilityPlan(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("stabilityPlan"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(340, 340);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  }

  void showModel(const wing::WingResults& wing,
                 const std::optional<wing::StabilityResults>& results, double tailArm) {
    std::optional<wing::WingGeometry> tail;
    if (results && !results->flyingWing) tail = wing::wingGeometry(results->stabiliser);
    picture_ =
        plot::stabilityPlanDrawing(wing::wingGeometry(wing), tail ? &*tail : nullptr, tailArm);
    results_ = results;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const QRect inside = contentsRect();
    {
      QPainter painter(this);
      painter.fillRect(inside, Qt::white);
      painter.setClipRect(inside);
      painter.setRenderHint(QPainter::Antialiasing);
      draw(painter, QRectF(inside).adjusted(kMargin, kMargin, -kMargin, -kMargin));
    }
    QFrame::paintEvent(event);
  }

 private:
  static constexpr double kMargin = 12;

  void draw(QPainter& painter, const QRectF& area) const {
    const plot::Bounds reach = plot::boundsOf(picture_);
    const double width = reach.max.x - reach.min.x, depth = reach.max.y - reach.min.y;
    if (!(width > 0 && depth > 0)) return;
    const double scale = std::min(area.width() / width, area.height() / depth);
    const QTransform fromMm(scale, 0, 0, scale, area.left() - reach.min.x * scale,
                            area.top() - reach.min.y * scale);
    paintDrawing(painter, picture_, {fromMm, true, 1.2, {}});

    if (!results_) return;
    const auto mark = [&](double y, const QColor& colour) {
      const QPointF p = fromMm.map(QPointF(0, y));
      painter.setPen(QPen(colour, 2));
      painter.drawLine(p - QPointF(kMargin - 2, 0), p + QPointF(3 * kMargin, 0));
      painter.setBrush(colour);
      painter.drawEllipse(p, 4, 4);
      painter.setBrush(Qt::NoBrush);
    };
    mark(results_->neutralPoint, kNeutralPointColour);
    mark(results_->centring, kCentringColour);
  }

  plot::Drawing picture_;
  std::optional<wing::StabilityResults> results_;
};

}  // namespace tavelor::qt

#pragma once

#include <QFrame>
#include <QPainter>
#include <algorithm>
#include <optional>

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
    wing_ = wing::wingGeometry(wing);
    halfSpan_ = wing.halfSpan;
    results_ = results;
    tail_.reset();
    if (results && !results->flyingWing) {
      tail_ = wing::wingGeometry(results->stabiliser);
      tailHalfSpan_ = results->stabiliser.halfSpan;
      tailArm_ = tailArm;
    }
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
    double right = halfSpan_;
    double top = wing_.minY;
    double bottom = wing_.maxY;
    if (tail_) {
      right = std::max(right, tailHalfSpan_);
      top = std::min(top, tailArm_ + tail_->minY);
      bottom = std::max(bottom, tailArm_ + tail_->maxY);
    }
    if (!(right > 0 && bottom > top)) return;
    const double scale = std::min(area.width() / right, area.height() / (bottom - top));
    const auto at = [&](const wing::Point& p, double shift = 0) {
      return QPointF(area.left() + p.x * scale, area.top() + (p.y + shift - top) * scale);
    };

    QPen centreLine(Qt::gray, 1, Qt::DashDotLine);
    painter.setPen(centreLine);
    painter.drawLine(QPointF(area.left(), area.top()),
                     QPointF(area.left(), area.top() + (bottom - top) * scale));

    painter.setPen(QPen(Qt::black, 1.2));
    const auto outline = [&](const wing::WingGeometry& g, double shift) {
      for (const wing::PanelOutline& p : g.panels) {
        painter.drawPolygon(
            QPolygonF({at(p.rootLeadingEdge, shift), at(p.tipLeadingEdge, shift),
                       at(p.tipTrailingEdge, shift), at(p.rootTrailingEdge, shift)}));
      }
    };
    outline(wing_, 0);
    if (tail_) outline(*tail_, tailArm_);

    if (!results_) return;
    const auto mark = [&](double y, const QColor& colour) {
      const QPointF p = at({0, y});
      painter.setPen(QPen(colour, 2));
      painter.drawLine(p - QPointF(kMargin - 2, 0), p + QPointF(3 * kMargin, 0));
      painter.setBrush(colour);
      painter.drawEllipse(p, 4, 4);
      painter.setBrush(Qt::NoBrush);
    };
    mark(results_->neutralPoint, kNeutralPointColour);
    mark(results_->centring, kCentringColour);
  }

  wing::WingGeometry wing_;
  double halfSpan_ = 0;
  std::optional<wing::StabilityResults> results_;
  std::optional<wing::WingGeometry> tail_;
  double tailHalfSpan_ = 0;
  double tailArm_ = 0;
};

}  // namespace tavelor::qt

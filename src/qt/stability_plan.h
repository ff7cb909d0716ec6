#pragma once

#include <QFrame>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "plot/plan_view.h"
#include "plot/stability_pictures.h"
#include "qt/drawing_painter.h"
#include "wing/geometry.h"
#include "wing/stability.h"
#include "wing/wing.h"

namespace tavelor::qt {

inline const QColor kNeutralPointColour =
    toQColor(plot::penOf(plot::Role::NeutralPointMark).colour);
inline const QColor kCentringColour = toQColor(plot::penOf(plot::Role::CentringPointMark).colour);

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
    // The marks reach from the frame's margin to three margins right of the centre line.
    const QPointF np = fromMm.map(QPointF(0, results_->neutralPoint));
    const QPointF cg = fromMm.map(QPointF(0, results_->centring));
    paintDrawing(painter, plot::stabilityMarks(np.x(), np.y(), cg.y(), kMargin - 2, 3 * kMargin),
                 {QTransform(), false, 0, {}});
  }

  plot::Drawing picture_;
  std::optional<wing::StabilityResults> results_;
};

}  // namespace tavelor::qt

#include "qt/span_load_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace tavelor::qt {

namespace {

constexpr double kMargin = 8;
constexpr int kEllipseSteps = 60;

}  // namespace

SpanLoadView::SpanLoadView(SpanLoadTexts texts, QWidget* parent)
    : QFrame(parent), texts_(std::move(texts)) {
  setObjectName(QStringLiteral("spanLoad"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setMinimumSize(340, 170);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SpanLoadView::showLoad(const std::vector<wing::SpanLoadPoint>& points, double halfSpan) {
  points_ = points;
  halfSpan_ = halfSpan;
  update();
}

void SpanLoadView::paintEvent(QPaintEvent* event) {
  const QRect inside = contentsRect();
  {
    QPainter painter(this);
    painter.fillRect(inside, Qt::white);
    painter.setClipRect(inside);
    painter.setRenderHint(QPainter::Antialiasing);
    const int line = painter.fontMetrics().height();
    const QRectF text = QRectF(inside).adjusted(kMargin, kMargin / 2, -kMargin, 0);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop,
                     painter.fontMetrics().elidedText(texts_.title, Qt::ElideRight,
                                                      static_cast<int>(text.width())));
    // The legend: each curve's text in its own colour.
    const QString gap = QStringLiteral("   ");
    double x = text.left();
    for (const auto& [caption, colour] :
         {std::pair(texts_.load, kLoadColour), std::pair(texts_.elliptic, QColor(Qt::gray)),
          std::pair(texts_.localLift, kLocalLiftColour)}) {
      painter.setPen(colour);
      painter.drawText(QPointF(x, text.top() + line + painter.fontMetrics().ascent()), caption);
      x += painter.fontMetrics().horizontalAdvance(caption + gap);
    }
    const QRectF area = QRectF(inside).adjusted(kMargin, kMargin + 2 * line, -kMargin, -kMargin);
    if (points_.empty() || !(halfSpan_ > 0) || area.height() < 10) return;

    // The elliptic load whose mean over the half span is 1, as the wing's load is by its
    // definition: the same area under both.
    const auto ellipse = [](double eta) { return 4 / std::numbers::pi * std::sqrt(1 - eta * eta); };
    double top = ellipse(0);
    for (const wing::SpanLoadPoint& p : points_) top = std::max({top, p.load, p.localLift});
    const auto at = [&](double station, double value) {
      return QPointF(area.left() + station / halfSpan_ * area.width(),
                     area.bottom() - value / (1.1 * top) * area.height());
    };
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawLine(at(0, 0), at(halfSpan_, 0));

    QPolygonF elliptic;
    for (int i = 0; i <= kEllipseSteps; ++i) {
      const double eta = static_cast<double>(i) / kEllipseSteps;
      elliptic << at(eta * halfSpan_, ellipse(eta));
    }
    painter.setPen(QPen(Qt::gray, 1.5, Qt::DashLine));
    painter.drawPolyline(elliptic);

    QPolygonF load, local;
    for (const wing::SpanLoadPoint& p : points_) {
      load << at(p.station, p.load);
      local << at(p.station, p.localLift);
    }
    painter.setPen(QPen(kLoadColour, 2));
    painter.drawPolyline(load);
    painter.setPen(QPen(kLocalLiftColour, 2));
    painter.drawPolyline(local);

    const auto highest =
        std::max_element(points_.begin(), points_.end(),
                         [](const auto& a, const auto& b) { return a.localLift < b.localLift; });
    const QPointF peak = at(highest->station, highest->localLift);
    painter.setBrush(kLocalLiftColour);
    painter.drawEllipse(peak, 4, 4);
    // The remark on the side with room for it.
    const bool left = peak.x() > area.center().x();
    const QRectF remark(left ? area.left() : peak.x() + 8, peak.y() - line - 4,
                        (left ? peak.x() - 8 - area.left() : area.right() - peak.x() - 8), line);
    painter.drawText(remark, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                     texts_.stallsFirst);
  }
  QFrame::paintEvent(event);
}

}  // namespace tavelor::qt

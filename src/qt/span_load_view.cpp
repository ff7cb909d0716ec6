#include "qt/span_load_view.h"

#include <QPainter>
#include <utility>

#include "plot/stability_pictures.h"
#include "qt/drawing_painter.h"

namespace tavelor::qt {

namespace {

constexpr double kMargin = 8;

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
         {std::pair(texts_.load, kLoadColour),
          std::pair(texts_.elliptic, toQColor(plot::penOf(plot::Role::EllipticLoad).colour)),
          std::pair(texts_.localLift, kLocalLiftColour)}) {
      painter.setPen(colour);
      painter.drawText(QPointF(x, text.top() + line + painter.fontMetrics().ascent()), caption);
      x += painter.fontMetrics().horizontalAdvance(caption + gap);
    }
    const QRectF area = QRectF(inside).adjusted(kMargin, kMargin + 2 * line, -kMargin, -kMargin);
    if (area.height() < 10) return;
    const auto figure = plot::spanLoadFigure(
        points_, halfSpan_, {area.left(), area.top(), area.right(), area.bottom()});
    if (!figure) return;
    paintDrawing(painter, figure->drawing, {QTransform(), false, 0, {}});
    const QPointF peak(figure->peak.x, figure->peak.y);
    painter.setPen(kLocalLiftColour);
    // The remark on the side with room for it.
    const bool left = figure->remarkOnLeft;
    const QRectF remark(left ? area.left() : peak.x() + 8, peak.y() - line - 4,
                        (left ? peak.x() - 8 - area.left() : area.right() - peak.x() - 8), line);
    painter.drawText(remark, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                     texts_.stallsFirst);
  }
  QFrame::paintEvent(event);
}

}  // namespace tavelor::qt

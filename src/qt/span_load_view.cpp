#include "qt/span_load_view.h"

#include <QPainter>
#include <QPolygonF>
#include <utility>

#include "plot/span_load_figure.h"

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
         {std::pair(texts_.load, kLoadColour), std::pair(texts_.elliptic, QColor(Qt::gray)),
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
    const auto polygon = [](const std::vector<wing::Point>& points) {
      QPolygonF polygon;
      for (const wing::Point& p : points) polygon << QPointF(p.x, p.y);
      return polygon;
    };
    painter.setPen(QPen(Qt::gray, 1));
    painter.drawLine(QPointF(figure->axisFrom.x, figure->axisFrom.y),
                     QPointF(figure->axisTo.x, figure->axisTo.y));
    painter.setPen(QPen(Qt::gray, 1.5, Qt::DashLine));
    painter.drawPolyline(polygon(figure->elliptic));
    painter.setPen(QPen(kLoadColour, 2));
    painter.drawPolyline(polygon(figure->load));
    painter.setPen(QPen(kLocalLiftColour, 2));
    painter.drawPolyline(polygon(figure->localLift));

    const QPointF peak(figure->peak.x, figure->peak.y);
    painter.setBrush(kLocalLiftColour);
    painter.drawEllipse(peak, 4, 4);
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

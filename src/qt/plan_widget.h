#pragma once

#include <QColor>
#include <QFrame>
#include <QLineF>
#include <vector>

#include "plot/drawing_surface.h"

namespace tavelor::qt {

// The plan strip `plan`: a white area that keeps every line drawn on it since the last clear and
// paints them again whenever the toolkit asks, so the drawing survives being covered. Positions
// are twips from the top-left corner of its inside, turned into pixels with its logical DPI.
class PlanWidget : public QFrame, public plot::DrawingSurface {
  Q_OBJECT
 public:
  struct Line {
    QLineF twips;
    QColor colour;
    plot::LineStyle style;
  };

  explicit PlanWidget(QWidget* parent = nullptr);

  void clear() override;
  void setLineStyle(plot::LineStyle style) override;
  void drawLine(float x1, float y1, float x2, float y2,
                std::optional<plot::Rgb> colour = std::nullopt) override;

  const std::vector<Line>& lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::vector<Line> lines_;
  plot::LineStyle style_ = plot::LineStyle::Solid;
};

}  // namespace tavelor::qt

#pragma once

#include <QFrame>

#include "plot/drawing.h"

namespace tavelor::qt {

// The plan strip `plan`: a white area that keeps the last plan picture and paints it again
// whenever the toolkit asks, so the drawing survives being covered. The picture's millimetres
// are true millimetres at the strip's logical DPI in a strip of the size the picture was laid
// out for (its size hint); a larger or smaller strip shows it magnified or reduced to fit.
class PlanWidget : public QFrame {
  Q_OBJECT
 public:
  explicit PlanWidget(QWidget* parent = nullptr);

  void setPlan(plot::Drawing plan);
  const plot::Drawing& drawing() const { return plan_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;  // half the size hint

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  plot::Drawing plan_;
};

}  // namespace tavelor::qt

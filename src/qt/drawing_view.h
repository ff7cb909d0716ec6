#pragma once

#include <QFrame>
#include <QList>
#include <functional>
#include <optional>

#include "plot/drawing.h"
#include "plot/page_surface.h"

namespace tavelor::qt {

// A white, sunken frame that shows one picture. A drawing set as it is has its box (the box it
// was laid out in, or else the bounds of its lines) scaled alike in both directions to fill the
// frame less a margin, and centred. A picture laid out by the view is laid out again for the
// frame's inside at every paint, in millimetres at the screen's true size, and drawn at that
// size. Lines are hairlines (but the wide pens); texts keep their size in points.
class DrawingView : public QFrame {
 public:
  // The picture for the inside box from (0, 0), its texts measured as the view sets them.
  using Layout = std::function<plot::Drawing(const plot::Bounds& inside, plot::TextMeasure&)>;
  struct Look {
    double margin = 8;  // pixels around a drawing set as it is
    double hairlineWidth = 1.2;
    QList<qreal> dash;   // as DrawingMapping's
    bool smooth = true;  // antialiased
  };

  DrawingView(const QString& name, QSize minimum, QWidget* parent = nullptr);

  void setDrawing(plot::Drawing drawing, std::optional<plot::Bounds> box = std::nullopt);
  void setPicture(Layout layout);
  void setLook(Look look) { look_ = std::move(look); }
  // The size the view asks for: that many millimetres on the screen; at the least half as much.
  void setNaturalSize(QSizeF millimetres) { natural_ = millimetres; }
  // The drawing shown (as last laid out).
  const plot::Drawing& drawing() const { return drawing_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  plot::Drawing drawing_;
  std::optional<plot::Bounds> box_;
  Layout layout_;
  Look look_;
  std::optional<QSizeF> natural_;
};

}  // namespace tavelor::qt

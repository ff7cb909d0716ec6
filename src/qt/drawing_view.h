#pragma once

#include <QFrame>
#include <optional>

#include "plot/drawing.h"

namespace tavelor::qt {

// A white, sunken frame that shows one picture: the picture's box (the box it was laid out in,
// or else the bounds of its lines) is scaled alike in both directions to fill the frame less a
// margin, and centred. Lines are hairlines; texts keep their size in points.
class DrawingView : public QFrame {
 public:
  DrawingView(const QString& name, QSize minimum, QWidget* parent = nullptr);

  void setDrawing(plot::Drawing drawing, std::optional<plot::Bounds> box = std::nullopt);
  const plot::Drawing& drawing() const { return drawing_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  plot::Drawing drawing_;
  std::optional<plot::Bounds> box_;
};

}  // namespace tavelor::qt

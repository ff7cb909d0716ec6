#pragma once

// Draws a plot::Drawing on a QPainter: the screen's widgets and the printer's pages alike.

#include <QColor>
#include <QFont>
#include <QList>
#include <QTransform>

#include "plot/drawing.h"
#include "plot/page_surface.h"

class QPainter;
class QPaintDevice;

namespace tavelor::qt {

QColor toQColor(plot::Rgb colour);

// How the drawing's millimetres land on the painter's device.
struct DrawingMapping {
  QTransform fromMm;  // millimetres to device units; positions only, no shear or turn
  // false: paper at true scale, each line its role's width in millimetres with flat ends.
  // true: every line but a wide pen's hairlineWidth device units wide (0: the device's thinnest
  // line), and the dashed roles in hairlineDash (device units, dash and gap in turn; empty: Qt's
  // dash-dot-dot).
  bool hairlines = false;
  double hairlineWidth = 0;
  QList<qreal> hairlineDash;
};

// Every line in its role's pen, then every text: Arial (or the sans-serif face that stands in
// for it) at its size in points, placed on its anchor as the device measures it. Check
// plot::isFinite first where a drawing may lie nowhere.
void paintDrawing(QPainter& painter, const plot::Drawing& drawing, const DrawingMapping& mapping);

// Texts measured on a device, in the drawing's units of unitPixels device pixels.
class DeviceMeasure : public plot::TextMeasure {
 public:
  DeviceMeasure(QPaintDevice* device, double unitPixels) : device_(device), unit_(unitPixels) {}
  double advance(const plot::Text& text) override;
  double lineSpacing(const plot::Text& text) override;

 private:
  QPaintDevice* device_;
  double unit_;
};

}  // namespace tavelor::qt

#pragma once

#include <optional>

#include "plot/drawing.h"

namespace tavelor::plot {

enum class LineStyle { Solid, DashDotDot };

// The plan strip: twips, origin at the top-left of its inside, y downward.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;
  virtual void clear() = 0;
  virtual void setLineStyle(LineStyle style) = 0;
  // colour empty: the foreground colour.
  virtual void drawLine(float x1, float y1, float x2, float y2,
                        std::optional<Rgb> colour = std::nullopt) = 0;
};

}  // namespace tavelor::plot

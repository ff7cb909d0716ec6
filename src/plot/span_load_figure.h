#pragma once

// The stability window's span-load picture as curves in a box: the spanwise lift of the
// half-wing, root on the left and tip on the right. The screen paints them with its own pens.

#include <optional>
#include <vector>

#include "wing/geometry.h"
#include "wing/stability.h"

namespace tavelor::plot {

// The box's left, top, right and bottom, y down.
struct Box {
  double left, top, right, bottom;
};

struct SpanLoadFigure {
  wing::Point axisFrom, axisTo;        // zero load along the span
  std::vector<wing::Point> elliptic;   // the elliptic load of the same area
  std::vector<wing::Point> load;       // the wing's load c·cl / (c_mean·CL)
  std::vector<wing::Point> localLift;  // the local cl / CL
  wing::Point peak;                    // the highest local lift, where the wing stalls first
  bool remarkOnLeft = false;           // the remark on the peak's side with more room
};

// Nothing to draw without points or a half span.
std::optional<SpanLoadFigure> spanLoadFigure(const std::vector<wing::SpanLoadPoint>& points,
                                             double halfSpan, const Box& area);

}  // namespace tavelor::plot

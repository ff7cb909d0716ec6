#pragma once

// The stability window's pictures beside the plan, in the screen's pixels: the spanwise lift of
// the half-wing (root on the left, tip on the right; the screen adds the texts) and the plan's
// marks at the neutral point and the CG.

#include <optional>
#include <vector>

#include "plot/drawing.h"
#include "wing/stability.h"

namespace tavelor::plot {

// The box's left, top, right and bottom, y down.
struct Box {
  double left, top, right, bottom;
};

struct SpanLoadFigure {
  // The zero load, the elliptic load of the same area dashed, the wing's load c·cl / (c_mean·CL)
  // and the local cl / CL with a dot on its highest point, where the wing stalls first.
  Drawing drawing;
  wing::Point peak;
  bool remarkOnLeft = false;  // the remark on the peak's side with more room
};

// The stability plan's marks at the neutral point and the CG, each centred on the centre line at
// its pixel height: a line from left of the centre line to right of it, and a dot on it.
Drawing stabilityMarks(double centreLine, double neutralPoint, double centring, double left,
                       double right);

// Nothing to draw without points or a half span.
std::optional<SpanLoadFigure> spanLoadFigure(const std::vector<wing::SpanLoadPoint>& points,
                                             double halfSpan, const Box& area);

}  // namespace tavelor::plot

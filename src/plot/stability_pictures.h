#pragma once

// The stability window's pictures, each laid out in its view's millimetres (the view's box from
// its top-left corner, y down), its texts measured as the screen sets them: the half-wing and
// the half-stabiliser in plan with the marks at the neutral point and the CG, and the spanwise
// lift of the half-wing (root on the left, tip on the right) with its title and legend.

#include <optional>
#include <string>
#include <vector>

#include "plot/drawing.h"
#include "plot/page_surface.h"
#include "wing/stability.h"

namespace tavelor::plot {

// One pixel of a screen at 96 dots an inch: the size the stability pictures' margins, marks and
// dashes have always had there.
inline constexpr double kScreenPixel = 25.4 / 96;

struct SpanLoadFigure {
  // The zero load, the elliptic load of the same area dashed, the wing's load c·cl / (c_mean·CL)
  // and the local cl / CL with a dot on its highest point, where the wing stalls first.
  Drawing drawing;
  wing::Point peak;
  bool remarkOnLeft = false;  // the remark on the peak's side with more room
};

// The curves in area; nothing to draw without points or a half span.
std::optional<SpanLoadFigure> spanLoadFigure(const std::vector<wing::SpanLoadPoint>& points,
                                             double halfSpan, const Bounds& area);

// The span load picture's texts, from the stability window's language.
struct SpanLoadTexts {
  std::string title, load, elliptic, localLift, stallsFirst;
};

// The title (cut short to fit), the legend (each curve's name in its colour), the curves below
// them and the "stalls first" remark beside the peak, on the side with room.
Drawing spanLoadPicture(const std::vector<wing::SpanLoadPoint>& points, double halfSpan,
                        const SpanLoadTexts& texts, const Bounds& view, TextMeasure& measure);

// The half-wing and, but for a flying wing, the half-stabiliser tailArm aft of it (see
// stabilityPlanDrawing) fitted into the view less a margin, from its top-left corner. With
// results, the neutral point and the CG for the margin on the centre line, each a line from the
// margin to right of it with a dot on the centre line.
Drawing stabilityPlanPicture(const wing::WingResults& wing,
                             const std::optional<wing::StabilityResults>& results, double tailArm,
                             const Bounds& view);

}  // namespace tavelor::plot

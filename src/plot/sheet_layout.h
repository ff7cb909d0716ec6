#pragma once

#include <optional>
#include <string>

#include "plot/plan_figure.h"
#include "wing/wing.h"

namespace tavelor::plot {

// The box in which the outline is centred, in the sheet's millimetres from the paper's top-left
// corner.
inline constexpr double kBoxLeft = 20;
inline constexpr double kBoxWidth = 246.91358;
inline constexpr double kBoxTop = 64.99118;
inline constexpr double kBoxHeight = 126.98413;

// The sheet's drawing scale: 1/divisor, drawScale millimetres of sheet per millimetre of wing. No
// divisor (and drawScale 0) when nothing fits the rules, for instance a half span of 0.
struct SheetScale {
  std::optional<int> divisor;
  double drawScale = 0;
};

// Picks 1/50, 1/20, 1/10 or 1/5 from the half span and the outline's chordwise reach (see
// chordwiseReach); every threshold is strict, so a value on a threshold takes the finer scale.
SheetScale chooseScale(const wing::WingResults& results, const wing::WingGeometry& geometry);

// Centres the half-wing in the box at drawScale: where its root leading edge lands.
Placement placeOnSheet(const wing::WingResults& results, const wing::WingGeometry& geometry,
                       double drawScale);

// " 1/50", " 1/20", " 1/10" or " 1/5": the text appended to the scale line's caption.
std::string scaleLabel(int divisor);

}  // namespace tavelor::plot

#pragma once

#include <optional>
#include <string>

#include "plot/surface_coords.h"
#include "wing/wing.h"

namespace tavelor::plot {

// Twips per millimetre on the sheet, for text positions and the drawing scale alike. Kept at
// 56.7 rather than 1440/25.4 so that sheets match those printed before.
inline constexpr double twipsPerMm = 56.7;

// The box in which the outline is centred, in twips from the page's top-left corner.
inline constexpr double kBoxLeft = 1134;
inline constexpr double kBoxWidth = 14000;
inline constexpr double kBoxTop = 3685;
inline constexpr double kBoxHeight = 7200;

// The sheet's drawing scale: 1/divisor, drawScale twips per millimetre of wing. No divisor (and
// drawScale 0) when nothing fits the rules, for instance a half span of 0.
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

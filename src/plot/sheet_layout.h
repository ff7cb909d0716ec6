#pragma once

#include <optional>
#include <string>

#include "calc/wing_state.h"

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

// Where each panel starts on the page: stationX[i] is the x of panel i's root, stationTE[i] the
// y of its root trailing edge. Entries above lastPanel stay 0.
struct Stations {
  calc::PanelArray stationX{};
  calc::PanelArray stationTE{};
};

// Picks 1/50, 1/20, 1/10 or 1/5 from the half span and the chordwise extent of the root and the
// last tip; every threshold is strict, so a value on a threshold takes the finer scale.
SheetScale chooseScale(const calc::WingState& state);

// Centres the half-wing in the box at drawScale and chains the panels root to tip.
Stations placeStations(const calc::WingState& state, double drawScale);

// " 1/50", " 1/20", " 1/10" or " 1/5": the text appended to the scale line's caption.
std::string scaleLabel(int divisor);

}  // namespace tavelor::plot

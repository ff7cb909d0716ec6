#pragma once

#include <algorithm>
#include <cmath>
#include <limits>

#include "calc/wing_state.h"

namespace tavelor::plot {

// Surfaces take single-precision coordinates; a double beyond float's range would make the
// conversion undefined, so it is pinned to the largest finite float first.
inline float toSurface(double value) {
  constexpr double kMax = std::numeric_limits<float>::max();
  if (value > kMax) {
    return std::numeric_limits<float>::max();
  }
  if (value < -kMax) {
    return std::numeric_limits<float>::lowest();
  }
  return static_cast<float>(value);  // NaN passes through unchanged
}

// The wing's lengths as the layout reads them: finite figures beyond any wing are pinned to
// +/-1e100 mm, so that sums and products of a few of them at any scale stay finite and no
// infinity minus infinity turns a line into NaN. Every real wing passes unchanged.
inline calc::WingState boundedForLayout(const calc::WingState& state) {
  constexpr double kLimit = 1e100;
  calc::WingState bounded = state;
  for (calc::PanelArray* values :
       {&bounded.rootChord, &bounded.tipChord, &bounded.panelLength, &bounded.sweepOffset,
        &bounded.spanUpTo, &bounded.macLength, &bounded.macSpanPos, &bounded.macLeadPos,
        &bounded.centringPos}) {
    for (double& value : *values) {
      if (std::isfinite(value)) value = std::clamp(value, -kLimit, kLimit);
    }
  }
  return bounded;
}

// The index of the last panel in use, kept inside the panel arrays whatever the record holds.
inline int lastPanelIndex(const calc::WingState& state) {
  if (state.lastPanel < 0) {
    return 0;
  }
  if (state.lastPanel >= static_cast<int>(state.rootChord.size())) {
    return static_cast<int>(state.rootChord.size()) - 1;
  }
  return state.lastPanel;
}

// The leading-edge offset at the tip of the panel before panel i (0 ahead of the root panel).
inline double previousSweep(const calc::WingState& state, int i) {
  return i == 0 ? 0.0 : state.sweepOffset[i - 1];
}

// One panel's closed outline from its root trailing-edge corner A: root leading edge B, tip
// leading edge C, tip trailing edge D, then back to A. Shared by the screen and the sheet.
template <class Surface>
void drawPanelOutline(Surface& surface, const calc::WingState& state, int i, double ax, double ay,
                      double scale) {
  const double bx = ax;
  const double by = ay - state.rootChord[i] * scale;
  const double cx = bx + state.panelLength[i] * scale;
  const double cy = by + (state.sweepOffset[i] - previousSweep(state, i)) * scale;
  const double dx = cx;
  const double dy = cy + state.tipChord[i] * scale;
  surface.drawLine(toSurface(ax), toSurface(ay), toSurface(bx), toSurface(by));
  surface.drawLine(toSurface(bx), toSurface(by), toSurface(cx), toSurface(cy));
  surface.drawLine(toSurface(cx), toSurface(cy), toSurface(dx), toSurface(dy));
  surface.drawLine(toSurface(dx), toSurface(dy), toSurface(ax), toSurface(ay));
}

}  // namespace tavelor::plot

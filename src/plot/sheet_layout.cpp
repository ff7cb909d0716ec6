#include "plot/sheet_layout.h"

#include <algorithm>
#include <cmath>

#include "plot/surface_coords.h"

namespace tavelor::plot {

SheetScale chooseScale(const calc::WingState& state) {
  const int n = lastPanelIndex(state);
  const double halfSpan = state.spanUpTo[n];
  const double lastOffset = state.sweepOffset[n];
  const double lastTip = state.tipChord[n];
  const double root = state.rootChord[0];
  // Only the last tip and the root size the figure chordwise.
  auto deeperThan = [&](double limit) {
    return lastOffset + lastTip > limit || (lastOffset < 0 && std::fabs(lastOffset) + root > limit);
  };

  int divisor = 0;
  if (halfSpan > 5000) {
    divisor = 50;
  } else if (halfSpan > 2500 || deeperThan(1100)) {
    divisor = 20;
  } else if (halfSpan > 1250 || deeperThan(550)) {
    divisor = 10;
  } else if (halfSpan > 0) {
    divisor = 5;
  } else {
    return {};
  }
  return {divisor, twipsPerMm / divisor};
}

Stations placeStations(const calc::WingState& state, double drawScale) {
  const int n = lastPanelIndex(state);
  const double k = drawScale;
  const double halfSpan = state.spanUpTo[n];
  const double lastOffset = state.sweepOffset[n];
  const double lastTip = state.tipChord[n];
  const double root = state.rootChord[0];

  const double extent =
      lastOffset < 0 ? (root - lastOffset) * k : std::max(root, lastOffset + lastTip) * k;
  const double top = (kBoxHeight - std::fabs(extent)) / 2 + kBoxTop;

  Stations out;
  out.stationTE[0] = lastOffset < 0 ? top + std::fabs(extent) : top + root * k;
  out.stationX[0] = (kBoxWidth - halfSpan * k) / 2 + kBoxLeft;
  for (int i = 1; i <= n; ++i) {
    out.stationX[i] = out.stationX[i - 1] + state.panelLength[i - 1] * k;
    out.stationTE[i] = out.stationTE[i - 1] - state.rootChord[i - 1] * k +
                       (state.sweepOffset[i - 1] - previousSweep(state, i - 1)) * k +
                       state.tipChord[i - 1] * k;
  }
  return out;
}

std::string scaleLabel(int divisor) { return " 1/" + std::to_string(divisor); }

}  // namespace tavelor::plot

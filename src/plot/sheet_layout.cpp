#include "plot/sheet_layout.h"

#include <algorithm>
#include <cmath>

namespace tavelor::plot {

SheetScale chooseScale(const wing::WingResults& results, const wing::WingGeometry& geometry) {
  const double halfSpan = bounded(results.halfSpan);
  const ChordwiseReach e = chordwiseReach(results, geometry);
  // The root alone never sizes the figure chordwise: only with a part reaching ahead of it.
  auto deeperThan = [&](double limit) {
    return e.trailing > limit ||
           (e.leading < 0 && std::max(e.root, e.trailing) - e.leading > limit);
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
  return {divisor, 1.0 / divisor};
}

Placement placeOnSheet(const wing::WingResults& results, const wing::WingGeometry& geometry,
                       double drawScale) {
  const ChordwiseReach e = chordwiseReach(results, geometry);
  const double k = drawScale;
  const double extent = e.leading < 0 ? (std::max(e.root, e.trailing) - e.leading) * k
                                      : std::max(e.root, e.trailing) * k;
  const double top = (kBoxHeight - std::fabs(extent)) / 2 + kBoxTop;
  const double rootTrailing =
      e.leading < 0 ? top + std::fabs((e.root - e.leading) * k) : top + e.root * k;
  return {(kBoxWidth - bounded(results.halfSpan) * k) / 2 + kBoxLeft, rootTrailing - e.root * k, k};
}

std::string scaleLabel(int divisor) { return " 1/" + std::to_string(divisor); }

}  // namespace tavelor::plot

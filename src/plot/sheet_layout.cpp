#include "plot/sheet_layout.h"

#include <algorithm>
#include <cmath>

namespace tavelor::plot {

namespace {

// The figures that size the drawing: the half span, the root chord, the last panel's sweep and
// tip chord.
struct Extent {
  double halfSpan, root, lastOffset, lastTip;
};

Extent extentOf(const wing::WingResults& results) {
  const wing::Panel& last = results.panels.back();
  return {bounded(results.halfSpan), bounded(results.panels.front().rootChord), bounded(last.sweep),
          bounded(last.tipChord)};
}

}  // namespace

SheetScale chooseScale(const wing::WingResults& results) {
  const Extent e = extentOf(results);
  // Only the last tip and the root size the figure chordwise.
  auto deeperThan = [&](double limit) {
    return e.lastOffset + e.lastTip > limit ||
           (e.lastOffset < 0 && std::fabs(e.lastOffset) + e.root > limit);
  };

  int divisor = 0;
  if (e.halfSpan > 5000) {
    divisor = 50;
  } else if (e.halfSpan > 2500 || deeperThan(1100)) {
    divisor = 20;
  } else if (e.halfSpan > 1250 || deeperThan(550)) {
    divisor = 10;
  } else if (e.halfSpan > 0) {
    divisor = 5;
  } else {
    return {};
  }
  return {divisor, twipsPerMm / divisor};
}

Placement placeOnSheet(const wing::WingResults& results, double drawScale) {
  const Extent e = extentOf(results);
  const double k = drawScale;
  const double extent = e.lastOffset < 0 ? (e.root - e.lastOffset) * k
                                         : std::max(e.root, e.lastOffset + e.lastTip) * k;
  const double top = (kBoxHeight - std::fabs(extent)) / 2 + kBoxTop;
  const double rootTrailing = e.lastOffset < 0 ? top + std::fabs(extent) : top + e.root * k;
  return {(kBoxWidth - e.halfSpan * k) / 2 + kBoxLeft, rootTrailing - e.root * k, k};
}

std::string scaleLabel(int divisor) { return " 1/" + std::to_string(divisor); }

}  // namespace tavelor::plot

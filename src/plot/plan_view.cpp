#include "plot/plan_view.h"

#include <algorithm>
#include <cmath>

#include "plot/plan_figure.h"

namespace tavelor::plot {

namespace {

// The wing's box in the strip, 139.35 by 38.81 mm from (1.32, 0.35): the half span fills at most
// 137.58 mm of its width, the chord at most 37.04 mm of its height, or all of it with a tip ahead
// of the root.
constexpr double kBoxLeft = 1.322917, kBoxTop = 0.352778;
constexpr double kBoxWidth = 139.347222, kBoxHeight = 38.805556;
constexpr double kSpanRoom = 137.583333, kChordRoom = 37.041667;

// A wing too small to measure (or none at all) is drawn at this magnification rather than at an
// infinite one.
constexpr double kLargest = 578;

double pinned(double scale) {
  return std::isnan(scale) ? kLargest : std::clamp(scale, -kLargest, kLargest);
}

}  // namespace

Drawing planDrawing(const wing::WingResults& results, const wing::WingGeometry& geometry,
                    const RibLines& ribs) {
  const double halfSpan = bounded(results.halfSpan);
  const ChordwiseReach reach = chordwiseReach(results, geometry);
  const double c0 = reach.root;
  const double le = reach.leading;
  const double te = reach.trailing;

  const double depth = le < 0 ? std::max(c0, te) - le : std::max(te, c0);
  const double s =
      std::min(pinned(kSpanRoom / halfSpan), pinned((le < 0 ? kBoxHeight : kChordRoom) / depth));
  // Centred in the box; the root leading edge lies the forward tip's reach below its top.
  const double top = kBoxTop + (kBoxHeight - depth * s) / 2;
  const Placement at{kBoxLeft + (kBoxWidth - halfSpan * s) / 2, le < 0 ? top - le * s : top, s};

  Drawing drawing;
  addWingFigure(drawing, geometry, results.macLength, at);
  addRibFigure(drawing, ribs, at, 4);
  return drawing;
}

}  // namespace tavelor::plot

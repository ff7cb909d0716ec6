#pragma once

#include <cstdint>

#include "plot/drawing_surface.h"
#include "wing/geometry.h"

namespace tavelor::plot {

// A scale quotient as the plan keeps it: a 16-bit whole number of twips per millimetre. The
// quotient must already be whole; one beyond the 16-bit range (or NaN) is pinned to the nearest
// end (NaN to 32767) instead of overflowing.
std::int16_t toPlanScale(double wholeQuotient);

// Rounds to the nearest whole number, a tie to the even one (10.5 -> 10, 11.5 -> 12).
double roundHalfEven(double value);

// Clears the plan strip and draws the half-wing's panels and its mean-chord and centring marks,
// scaled by a whole number of twips per millimetre and centred in the strip.
void drawPlan(const wing::WingResults& results, const wing::WingGeometry& geometry,
              DrawingSurface& surface);

}  // namespace tavelor::plot

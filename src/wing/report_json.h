#pragma once

#include <string>
#include <utility>
#include <vector>

#include "wing/wing.h"

namespace tavelor::wing {

// The wing's figures as one JSON object, for scripts and other programs: span_mm, area_dm2,
// aspect_ratio, mac_mm, mac_station_mm, mac_leading_edge_mm, centring_percent, centring_mm,
// mass_g, wing_loading_g_dm2, wing_cube_loading_g_dm3, panels (root_chord_mm, tip_chord_mm,
// length_mm, sweep_mm each), then each extra pair as a further key, in the order given (the caller
// keeps its keys apart from these). Numbers are unrounded, in the shortest text that reads back to
// the same double; a number that is not finite, and the mass and both loadings of a wing without
// mass, are null.
std::string reportJson(const WingResults& results,
                       const std::vector<std::pair<std::string, double>>& extra = {});

}  // namespace tavelor::wing

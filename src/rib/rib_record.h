#pragma once

// The ribs' settings as the lines of the rib record a wing file stores after the wing (and the
// tail), one text a line, numbers in the shortest text that reads back the same:
//   the spacing; the sheeting's top thickness, bottom thickness and chord percentage; the
//   leading-edge stock; the trailing-edge percentage; the washout angle and its pivot
//   percentage; the stock sheets' width and length;
//   the number of spars (0 to 3), then a line per spar: percentage, width, depth and T, B or TB
//   (cut into the top, the bottom or both), blank-separated;
//   the root airfoil, then the tip airfoil, each as its name, the number of points, then a line
//   per point: x and y in chords, blank-separated.

#include <optional>
#include <string>
#include <vector>

#include "rib/rib.h"

namespace tavelor::rib {

std::vector<std::string> ribRecordLines(const RibSettings& settings);

// The settings in a record's lines; nothing when a line is missing or holds no fitting number.
std::optional<RibSettings> ribSettingsOf(const std::vector<std::string>& lines);

}  // namespace tavelor::rib

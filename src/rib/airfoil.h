#pragma once

// Airfoils: the section a rib is cut to, at unit chord.
//
// An airfoil's points run as builders exchange them: from the trailing edge over the upper
// surface to the leading edge and back under the lower surface; x aft of the leading edge and y
// up, both in chords (0 to 1).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wing/geometry.h"

namespace tavelor::rib {

struct Airfoil {
  std::string name;
  std::vector<wing::Point> points;
  friend bool operator==(const Airfoil&, const Airfoil&) = default;
};

// Whether a point can belong to a section: x within 0 to 1 but for a little slack, y within a
// chord of it.
bool withinSection(wing::Point point);

// A NACA four-digit section ("NACA 2412", "naca2412" or "2412") from its closed-form equations,
// with a closed trailing edge; nothing for any other text.
std::optional<Airfoil> nacaAirfoil(std::string_view code);

// An airfoil file in either layout: a name line, then x y pairs from the trailing edge over the
// upper surface and back; or a name line, a line with the two surfaces' point counts, then the
// upper and the lower surface each from the leading edge. Blank lines, tabs, CR LF and a UTF-8
// mark are accepted; coordinates in percent (x beyond 1.5) are scaled to chords. A point outside
// the section (withinSection), fewer than 10 points, a surface that folds back or points that span
// less than half a chord are refused. The error names the file and the line.
// faultKey names the refusal for a message in the user's language ("airfoilPair", ...), with
// the file's name and line to fill in; error is that message in English.
struct AirfoilReading {
  std::optional<Airfoil> airfoil;
  std::string error;
  std::string faultKey;
  int line = 0;
};
AirfoilReading readAirfoil(std::string_view bytes, const std::string& fileName);

// The number of points of a resampled airfoil.
inline constexpr int kResampledPoints = 201;

// The airfoil put on a cubic spline along its arc (Eigen's) and sampled afresh, densest at the
// nose, normalised so the leading edge lies at x 0 and the trailing edge at x 1. Two resampled
// airfoils have their points in step, so they blend point by point.
Airfoil resampled(const Airfoil& airfoil);

// Between two resampled airfoils: the root's at 0, the tip's at 1.
Airfoil blended(const Airfoil& root, const Airfoil& tip, double share);

}  // namespace tavelor::rib

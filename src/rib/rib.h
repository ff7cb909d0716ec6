#pragma once

// Ribs: where each one stands along the half-wing and the contour it is cut to.
//
// A rib's contour is in millimetres of the rib itself: x aft of its leading edge, y up from its
// chord line; it runs as an airfoil's points do, closed, its points no more than
// kMaxPointGap apart.

#include <string>
#include <vector>

#include "rib/airfoil.h"
#include "wing/geometry.h"

namespace tavelor::rib {

inline constexpr double kMaxPointGap = 0.5;  // mm, along the contour
inline constexpr int kMaxSpars = 3;
inline constexpr std::size_t kMaxRibs = 1000;  // more are no model's, and would only fill memory

enum class SparSide { Top, Bottom, Both };

struct Spar {
  double chordPercent = 0;  // the spar's middle, aft of the leading edge
  double width = 0;         // mm, chordwise
  double depth = 0;         // mm, into the rib
  SparSide side = SparSide::Top;
  friend bool operator==(const Spar&, const Spar&) = default;
};

// How the builder builds the ribs; lengths in mm. A zero leaves a feature out.
struct RibSettings {
  Airfoil root, tip;                 // as the user gave them
  double spacing = 60;               // the most from one rib to the next within a panel
  double sheetTop = 0;               // sheeting thickness on the upper surface ...
  double sheetBottom = 0;            // ... and the lower
  double sheetToPercent = 100;       // the sheeting runs from the leading edge to here
  std::vector<Spar> spars;           // up to kMaxSpars
  double leadingEdgeStock = 0;       // the square strip at the nose: the rib starts this far aft
  double trailingEdgePercent = 100;  // the rib ends here; the strip makes up the rest
  double washoutDegrees = 0;         // the tip rib's nose-down twist
  double washoutPivotPercent = 25;   // the twist turns about this point of the chord line
  double stockWidth = 100;           // the stock sheets ribs are cut from
  double stockLength = 1000;
  friend bool operator==(const RibSettings&, const RibSettings&) = default;
};

// The settings of a wing whose ribs were never set up: NACA 2412 at root and tip.
RibSettings defaultRibSettings();

struct Rib {
  std::string name;         // R1 at the root
  double station = 0;       // mm from the root
  double chord = 0;         // mm, from the geometry
  double leadingEdge = 0;   // mm aft of the root leading edge
  double twistDegrees = 0;  // nose down
  std::vector<wing::Point> contour;
};

// The spanwise stations: the root, each joint and the tip, and evenly between them within each
// panel at no more than spacing apart.
std::vector<double> ribStations(const wing::WingGeometry& geometry, double spacing);

// Every rib of the half-wing, root first; none when the spacing would give over kMaxRibs.
std::vector<Rib> wingRibs(const wing::WingGeometry& geometry, const RibSettings& settings);

// One rib of the given chord, its airfoil already blended, twisted by twistDegrees. Empty when
// nothing of it is left to cut: the stocks take it all, or spar notches cut it in two.
std::vector<wing::Point> ribContour(const Airfoil& airfoil, double chord, double twistDegrees,
                                    const RibSettings& settings);

// The first rib with nothing to cut (see ribContour), or none.
const Rib* uncutRib(const std::vector<Rib>& ribs);

}  // namespace tavelor::rib

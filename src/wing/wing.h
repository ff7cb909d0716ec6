#pragma once

// The wing in plain numbers, without any window, language or field text.
//
// Words used throughout the program:
// - panel: one trapezoid of the half-wing, panel 1 at the root;
// - root chord / tip chord: a panel's chord at its inner / outer end (mm);
// - panel length: its spanwise length (mm);
// - sweep: the leading edge at the panel's tip, mm aft of the wing's root leading edge
//   (negative: forward);
// - half span: the sum of the panel lengths; the span is twice it;
// - mean aerodynamic chord (MAC): the chord of the equivalent rectangular wing, placed at its
//   station (mm from the root) with its leading edge (LE, mm aft of the root LE);
// - centring point (CG): the centring percentage of the MAC behind its LE;
// - wing loading: the mass over the full area (g/dm²); cube loading: over its power 1.5 (g/dm³);
// - neutral point (NP) and static margin: see stability.h.

#include <optional>
#include <vector>

namespace tavelor::wing {

inline constexpr int kMaxPanels = 5;
// The largest chord, length or sweep either way, in mm: 100 m, beyond any model.
inline constexpr double kMaxSize = 100000;

struct Panel {
  double rootChord = 0;
  double tipChord = 0;
  double length = 0;
  double sweep = 0;
};

struct WingInputs {
  std::vector<Panel> panels;  // root panel first, 1 to kMaxPanels
  double centringPercent = 0;
  double mass = 0;  // g
};

// A panel's own figures, and those of panels 1..i merged (the wing up to that panel's tip).
struct PanelFigures {
  double areaDm2 = 0;      // this panel alone, one side
  double spanToTip = 0;    // mm from the root to this panel's tip
  double areaUpToDm2 = 0;  // panels 1..i, one side
  double macLength = 0;    // panels 1..i merged (panel 1: its own)
  double macStation = 0;
  double macLeadingEdge = 0;
  double centring = 0;  // mm aft of the root LE
};

struct WingResults {
  std::vector<Panel> panels;
  std::vector<PanelFigures> figures;  // one per panel; the last one is the whole wing's
  double centringPercent = 0;
  double halfSpan = 0;  // mm
  double span = 0;      // mm
  double areaDm2 = 0;   // both sides
  double aspectRatio = 0;
  double macLength = 0;       // mm
  double macStation = 0;      // mm from the root
  double macLeadingEdge = 0;  // mm aft of the root LE
  double centring = 0;        // mm aft of the root LE
  double mass = 0;            // g
  double wingLoading = 0;     // g/dm²
  double cubeLoading = 0;     // g/dm³: the mass over the area to the power 1.5
};

// Why a wing cannot be computed: a geometry no wing can have (zero or negative sizes, sizes
// beyond kMaxSize, figures that overflow), or a mass that gives no usable wing loading (below
// zero, or overflowing).
enum class WingFault { Geometry, Mass };

struct WingOutcome {
  std::optional<WingResults> results;
  WingFault fault = WingFault::Geometry;  // meaningful when results is empty
};

// Computes the wing. A panel with a centring of 0 merges its MAC as the area-weighted mean of
// the panels' own MACs (the same value any other centring gives).
WingOutcome computeWing(const WingInputs& inputs);

}  // namespace tavelor::wing

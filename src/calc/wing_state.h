#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tavelor::calc {

using PanelArray = std::array<double, 5>;

// The one record the main window keeps for its whole life. The calculation writes it; the plan
// view and the print sheet read it. Panel arrays: index 0 is the root panel. A calculation
// computes indexes 0 to lastPanel only; higher ones keep what an earlier calculation left.
struct WingState {
  PanelArray rootChord{};
  PanelArray tipChord{};
  PanelArray panelLength{};
  PanelArray sweepOffset{};  // leading edge at the panel's tip, aft of the root leading edge

  PanelArray areaUpTo{};  // dm², panels 0..i
  PanelArray spanUpTo{};  // mm, the panel's tip from the root

  PanelArray taperRatio{};
  PanelArray macLength{};  // index 0: panel 1's own; i >= 1: panels 0..i merged
  PanelArray panelArea{};  // dm²
  PanelArray macSpanPos{};
  PanelArray macLeadPos{};

  std::int16_t lastPanel = 0;

  std::string areaUnit;    // " dm²  "
  std::string lengthUnit;  // " mm  "

  PanelArray centringPos{};

  double aspectRatio = 0;
  double halfSpan = 0;     // mm
  double centringPct = 0;  // percent of the mean chord
  double halfAreaMm2 = 0;

  std::string sheetName;

  std::uint8_t focusReady = 0;
  std::uint8_t resultsValid = 0;

  double wingLoading = 0;  // g/dm²
  double mass = 0;         // g
};

inline constexpr const char* kAreaUnit = " dm\u00b2  ";
inline constexpr const char* kLengthUnit = " mm  ";

}  // namespace tavelor::calc

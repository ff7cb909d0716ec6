#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "wing/wing.h"

namespace tavelor::testing {

// The two-panel wing the outline files are checked with: every root chord equals the tip chord
// before it, so each panel's leading edge starts where the one before it ends.
inline const wing::WingInputs kTwoPanelWing{{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 1500};

// The outline's lines worked out from the inputs and the results, not from the program's
// geometry, as x, y pairs with y aft multiplied by ySign: each panel's corners (root LE, tip LE,
// tip TE, root TE), the mean chord (LE to TE), the centring cross (spanwise, then chordwise).
inline std::vector<std::vector<double>> expectedOutline(const wing::WingResults& w, double ySign) {
  std::vector<std::vector<double>> lines;
  double x = 0, rootLe = 0;
  for (const wing::Panel& p : kTwoPanelWing.panels) {
    const double tipLe = p.sweep * ySign, tipX = x + p.length;
    lines.push_back({x, rootLe, tipX, tipLe, tipX, tipLe + p.tipChord * ySign, x,
                     rootLe + p.rootChord * ySign});
    x = tipX;
    rootLe = tipLe;
  }
  const double s = w.macStation, le = w.macLeadingEdge * ySign, cg = w.centring * ySign;
  lines.push_back({s, le, s, le + w.macLength * ySign});
  lines.push_back({s - 5, cg, s + 5, cg});
  lines.push_back({s, cg - 5 * ySign, s, cg + 5 * ySign});
  return lines;
}

// " v" with the given decimals, as a reader prints what it read; never "-0".
inline std::string fixed(double v, int decimals) {
  char text[64];
  std::snprintf(text, sizeof text, " %.*f", decimals, v + 0.0);
  return text;
}

}  // namespace tavelor::testing

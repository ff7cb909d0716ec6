#include "calc/calculate.h"

#include <cmath>
#include <string>

#include "calc/decimal_text.h"
#include "calc/inputs.h"

namespace tavelor::calc {

namespace {

constexpr const char* kLoadingUnit = " g/dm\u00b2";

// The figures that go into labels but are not kept in WingState.
struct Totals {
  double fullSpan = 0;  // mm
  double fullArea = 0;  // dm²
};

// Each panel on its own: span, area, mean chord, its station, leading edge and centring point.
Totals computePanels(WingState& w) {
  const int n = w.lastPanel;
  double s = 0;  // running span, mm
  double a = 0;  // running area, mm²
  for (int i = 0; i <= n; ++i) {
    const double root = w.rootChord[i];
    const double tip = w.tipChord[i];
    const double length = w.panelLength[i];

    s = s + length;
    w.halfSpan = s;
    w.spanUpTo[i] = s;

    const double m = (tip + root) / 2;
    w.panelArea[i] = length * m / 10000;
    a = length * m + a;
    w.halfAreaMm2 = a;
    w.areaUpTo[i] = a / 10000;

    const double lambda = tip / root;
    w.taperRatio[i] = lambda;
    w.macLength[i] = (2.0 / 3.0) * root * (lambda * lambda + lambda + 1) / (lambda + 1);

    // The station where the chord equals the mean chord (the area's spanwise centroid).
    w.macSpanPos[i] = root == tip ? length / 2 : length * (root - w.macLength[i]) / (root - tip);

    if (i == 0) {
      w.macLeadPos[i] = w.macSpanPos[i] * (w.sweepOffset[i] / length);
    } else {
      w.macLeadPos[i] = w.macSpanPos[i] * ((w.sweepOffset[i] - w.sweepOffset[i - 1]) / length) +
                        w.sweepOffset[i - 1];
    }
    w.centringPos[i] = w.macLeadPos[i] + w.macLength[i] * w.centringPct / 100;
  }

  w.aspectRatio = ((2 * s) * s * 2) / (2 * a);
  return {2 * s, 2 * a / 10000};
}

// Merges the panels root first, each moving the merged point towards the next panel's own point
// by that panel's share of the area.
void mergePanels(WingState& w) {
  const int n = w.lastPanel;
  for (int i = 1; i <= n; ++i) {
    const double d = w.spanUpTo[i - 1] - w.macSpanPos[i - 1] + w.macSpanPos[i];
    const double q = w.panelArea[i] / (w.areaUpTo[i] / d);
    const double ownMacLength = w.macLength[i];
    w.macSpanPos[i] = w.macSpanPos[i - 1] + q;
    w.centringPos[i] = w.centringPos[i - 1] + q * ((w.centringPos[i] - w.centringPos[i - 1]) / d);
    w.macLeadPos[i] = w.macLeadPos[i - 1] + q * ((w.macLeadPos[i] - w.macLeadPos[i - 1]) / d);
    if (w.centringPct != 0) {
      w.macLength[i] = (w.centringPos[i] - w.macLeadPos[i]) / w.centringPct * 100;
    } else {
      // The centring point coincides with the leading edge and carries no chord: take the
      // area-weighted mean of the mean chords directly (the same value for any other centring).
      const double share = w.panelArea[i] / w.areaUpTo[i];
      w.macLength[i] = w.macLength[i - 1] + share * (ownMacLength - w.macLength[i - 1]);
    }
  }
}

bool finiteUpTo(const PanelArray& values, int n) {
  for (int i = 0; i <= n; ++i) {
    if (!std::isfinite(values[i])) return false;
  }
  return true;
}

// Whether every figure is a real number and the wing has a size: anything else comes from
// input no wing can have (negative or zero chords and lengths, overflowing numbers).
bool isSound(const WingState& w, const Totals& totals) {
  const int n = w.lastPanel;
  for (const PanelArray* values : {&w.spanUpTo, &w.panelArea, &w.areaUpTo, &w.taperRatio,
                                   &w.macLength, &w.macSpanPos, &w.macLeadPos, &w.centringPos}) {
    if (!finiteUpTo(*values, n)) return false;
  }
  for (const double value : {w.halfSpan, w.halfAreaMm2, w.aspectRatio, w.mass, w.wingLoading,
                             totals.fullSpan, totals.fullArea}) {
    if (!std::isfinite(value)) return false;
  }
  return w.halfSpan > 0 && w.halfAreaMm2 > 0 && totals.fullArea > 0;
}

}  // namespace

bool calculate(WingState& state, InputWindow& window, i18n::LanguageModule& language) {
  state.resultsValid = 1;
  switch (validateInputs(state, window)) {
    case InputFault::Panels:
      showInputError(state, window, language);
      return false;
    case InputFault::Centring:
      showCentringError(state, window, language);
      return false;
    case InputFault::None:
      break;
  }

  // Work on a copy so that a wing that cannot be computed leaves the last results standing.
  WingState next = state;
  const Totals totals = computePanels(next);
  mergePanels(next);
  const std::string mark = window.decimalMark();
  next.mass = toNumber(window.fieldText(Field::masse, 0), mark);
  next.wingLoading = next.mass / totals.fullArea;
  if (!isSound(next, totals)) {
    showInputError(state, window, language);
    return false;
  }
  state = next;

  const int n = state.lastPanel;
  window.setResultCaption(ResultLabel::Lbenv,
                          formatResult(totals.fullSpan, mark) + state.lengthUnit);
  window.setResultCaption(ResultLabel::Lbsurf,
                          formatResult(totals.fullArea, mark) + state.areaUnit);
  window.setResultCaption(ResultLabel::Lballong, formatResult(state.aspectRatio, mark));
  window.setResultCaption(ResultLabel::Lbdist_x,
                          formatResult(state.macSpanPos[n], mark) + state.lengthUnit);
  window.setResultCaption(ResultLabel::Lbdistcentr,
                          formatResult(state.centringPos[n], mark) + state.lengthUnit);
  window.setResultCaption(ResultLabel::Lbcmoy,
                          formatResult(state.macLength[n], mark) + state.lengthUnit);

  window.selectAll(Field::C_max, 0);
  if (state.focusReady) window.setFocus(Field::C_max, 0);

  window.setResultCaption(ResultLabel::LbafficheCA,
                          formatResult(state.wingLoading, mark) + kLoadingUnit);
  return true;
}

}  // namespace tavelor::calc

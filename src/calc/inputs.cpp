#include "calc/inputs.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "calc/decimal_text.h"

namespace tavelor::calc {

namespace {

constexpr char32_t kBackspace = 8;

bool isNumberKey(char32_t character) {
  return (character >= U'0' && character <= U'9') || character == U'.' || character == U',';
}

void showWarning(const std::string& key, WingState& state, InputWindow& window,
                 i18n::LanguageModule& language) {
  window.showMessage(language.GetINIFile("Message", key), language.GetINIFile("Label", "0"),
                     i18n::Icon::Warning, i18n::Buttons::Ok);
  state.resultsValid = 0;
}

}  // namespace

bool keyPasses(Field field, char32_t character) {
  if (character == kBackspace || isNumberKey(character)) return true;
  return field == Field::deport && character == U'-';
}

void onFieldFocus(WingState& state, InputWindow& window, Field field, int index) {
  window.selectAll(field, index);
  if (field == Field::C_max) state.focusReady = 1;
}

void C_min_Change(InputWindow& window) {
  // The tip chord of panel 5 has no panel after it.
  for (int i = 0; i + 1 < kPanels; ++i) {
    window.setFieldText(Field::C_max, i + 1, window.fieldText(Field::C_min, i));
  }
}

void clearInputs(WingState& state, InputWindow& window, i18n::LanguageModule& language) {
  state.resultsValid = 0;
  for (int i = 0; i < kPanels; ++i) {
    window.setFieldText(Field::C_max, i, "");
    window.setFieldText(Field::C_min, i, "");
    window.setFieldText(Field::L_trap, i, "");
    window.setFieldText(Field::deport, i, "");
  }
  window.setFieldText(Field::Cg, 0, "30");
  for (const auto label : {ResultLabel::Lbenv, ResultLabel::Lbsurf, ResultLabel::Lballong,
                           ResultLabel::Lbdist_x, ResultLabel::Lbcmoy, ResultLabel::Lbdistcentr}) {
    window.setResultCaption(label, "");
  }
  window.clearPlan();
  window.setResultCaption(ResultLabel::LbafficheCA, "");
  window.setFieldText(Field::masse, 0, "");
  window.setWindowCaption(language.GetINIFile("Label", "0"));
  window.selectAll(Field::C_max, 0);
  // Before the window is visible (start-up) it must not be given the focus.
  if (state.focusReady) window.setFocus(Field::C_max, 0);
}

InputFault validateInputs(WingState& state, const InputWindow& window) {
  const std::string mark = window.decimalMark();
  const auto read = [&](Field field, int index) {
    return toNumber(window.fieldText(field, index), mark);
  };

  int lengthCount = -1;  // panels with a length, minus one
  int tipCount = -1;     // panels with a tip chord, minus one
  for (int i = 0; i < kPanels; ++i) {
    const double length = read(Field::L_trap, i);
    const double tip = read(Field::C_min, i);
    state.panelLength[i] = length;
    state.rootChord[i] = read(Field::C_max, i);
    state.tipChord[i] = tip;
    state.sweepOffset[i] = read(Field::deport, i);
    if (length != 0) ++lengthCount;
    if (tip != 0) ++tipCount;
    // Never negative, so that readers indexing by lastPanel stay inside the arrays.
    state.lastPanel = static_cast<std::int16_t>(std::max(lengthCount, 0));

    if (lengthCount == -1) return InputFault::Panels;        // panel 1 has no length
    if (lengthCount != tipCount) return InputFault::Panels;  // a length without a tip or back
    // A panel in use after an empty one: the calculation takes panels in order, so the empty
    // one would be counted as a panel of zero length.
    if (length != 0 && lengthCount != i) return InputFault::Panels;
  }

  const std::string centringText = window.fieldText(Field::Cg, 0);
  state.centringPct = toNumber(centringText, mark);
  if (!(state.centringPct >= 0 && state.centringPct < 100)) return InputFault::Centring;
  if (centringText.empty() || centringText == "0") return InputFault::Centring;

  if (state.rootChord[0] == 0) return InputFault::Panels;
  return InputFault::None;
}

void showInputError(WingState& state, InputWindow& window, i18n::LanguageModule& language) {
  showWarning("1", state, window, language);
}

void showCentringError(WingState& state, InputWindow& window, i18n::LanguageModule& language) {
  showWarning("2", state, window, language);
}

}  // namespace tavelor::calc

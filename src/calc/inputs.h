#pragma once

#include <string>

#include "calc/input_window.h"
#include "calc/wing_state.h"
#include "i18n/language.h"

namespace tavelor::calc {

// Whether a character typed into a field of this kind reaches it (Backspace always does).
bool keyPasses(Field field, char32_t character);

// An input field gained the focus: select its text; a root-chord field also sets focusReady.
void onFieldFocus(WingState& state, InputWindow& window, Field field, int index);

// The text of a tip-chord field changed: copy C_min 0..3 into C_max 1..4, texts unchanged.
void C_min_Change(InputWindow& window);

// Empties the grid and the results, Cg back to "30", caption back to Label 0.
void clearInputs(WingState& state, InputWindow& window, i18n::LanguageModule& language);

// Which message a failed validation calls for.
enum class InputFault { None, Panels, Centring };

// Reads the panel grid and the centring field, storing the values into state as they are read
// (panel values, lastPanel, centringPct). Returns the first fault found, or None.
InputFault validateInputs(WingState& state, const InputWindow& window);

// Show language message 1 (panel grid) or 2 (centring) as a warning, then clear resultsValid.
void showInputError(WingState& state, InputWindow& window, i18n::LanguageModule& language);
void showCentringError(WingState& state, InputWindow& window, i18n::LanguageModule& language);

}  // namespace tavelor::calc

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

}  // namespace tavelor::calc

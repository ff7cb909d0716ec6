#pragma once

#include "calc/input_window.h"
#include "calc/wing_state.h"
#include "i18n/language.h"

namespace tavelor::calc {

// Validates the fields, fills WingState and the result labels. Returns true when the results
// stand (the caller then draws the plan); false after a validation message.
bool calculate(WingState& state, InputWindow& window, i18n::LanguageModule& language);

}  // namespace tavelor::calc

#pragma once

#include "calc/wing_state.h"
#include "i18n/language.h"
#include "plot/print_window.h"

namespace tavelor::plot {

// The print command: refuses without a standing calculation (message 10), asks the user to
// confirm the printer by name, asks for the sheet's name (stored in sheetName) and prints the
// sheet on the page it named. A page that cannot be opened or named ends it with message 16.
void mnufileprint_Click(calc::WingState& state, PrintWindow& window,
                        i18n::LanguageModule& language);

// The print button runs the same command as the menu entry.
void cmdprint_Click(calc::WingState& state, PrintWindow& window, i18n::LanguageModule& language);

}  // namespace tavelor::plot

#pragma once

#include <string>

#include "calc/wing_state.h"
#include "i18n/language.h"
#include "plot/page_surface.h"
#include "plot/print_window.h"

namespace tavelor::plot {

// "Version 2.8.0": the program's version as the sheet's title line shows it.
std::string versionText();

// Prints the sheet on page in one pass: title line, table of figures, scale line, the outline of
// every panel and the coloured marks; then ends the document and says so (message 15). A
// PageError stops it at the failing operation: the pointer returns to normal, the unfinished
// document is aborted and message 16 is shown. Texts come from language as they are printed.
void imprime(const calc::WingState& state, PrintWindow& window, i18n::LanguageModule& language,
             PageSurface& page);

}  // namespace tavelor::plot

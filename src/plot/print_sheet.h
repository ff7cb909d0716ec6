#pragma once

#include <string>

#include "i18n/language.h"
#include "plot/page_surface.h"
#include "wing/geometry.h"

namespace tavelor::plot {

// "Version 2.8.0": the program's version as the sheet's title line and the About window show it.
std::string versionText();

struct SheetInput {
  const wing::WingResults& results;
  const wing::WingGeometry& geometry;
  std::string sheetName;
  std::string date;         // the locale's short form
  std::string decimalMark;  // the locale's
};

// Draws the sheet on page in one pass: title line, table of figures, scale line, the outline of
// every panel and the coloured marks. Texts come from language as they are printed. Any
// PageError goes to the caller, who ends or drops the document.
void printSheet(const SheetInput& sheet, i18n::Language& language, PageSurface& page);

}  // namespace tavelor::plot

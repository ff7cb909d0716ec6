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
  RibLines ribs = {};       // drawn across the outline, when the ribs were set up
};

// The sheet in its millimetres from the paper's top-left corner: title line, table of figures,
// scale line, the outline of every panel and the coloured marks. Texts come from language as
// they are printed, set one after another as measure measures them. Any PageError from measure
// goes to the caller.
Drawing sheetDrawing(const SheetInput& sheet, i18n::Language& language, TextMeasure& measure);

}  // namespace tavelor::plot

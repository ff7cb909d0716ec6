#pragma once

#include <string>
#include <vector>

#include "calc/wing_state.h"
#include "support/language_folder.h"

namespace tavelor::plot::test {

// The texts the sheet and the print command read: Label 0-16, Print 1-3, Message 10-16.
// Label 13 holds an accented letter, written to the file in Windows-1252, to show the sheet
// gets UTF-8.
inline testing::IniSections sheetTexts() {
  testing::IniSections texts;
  const auto fill = [&](const char* section, int first, std::vector<const char*> values) {
    for (const char* value : values) texts[section][std::to_string(first++)] = value;
  };
  fill("Label", 0,
       {"Tavelor", "Root chord", "Tip chord", "Panel length", "Sweep", "Centring %", "Span", "Area",
        "Aspect ratio", "Distance X", "Mean chord", "Centring distance", "Panel", "Entr\u00e9es",
        "Results", "Mass", "Wing loading"});
  fill("Print", 1, {"Scale", "Sheet:", "Date:"});
  fill("Message", 10,
       {"Nothing to print yet", "Print on", "Name of the sheet?", "Print", "My wing",
        "Sheet sent to the printer", "Printer fault"});
  return texts;
}

class SheetLanguage : public testing::LanguageFolder {
 public:
  SheetLanguage() : LanguageFolder(sheetTexts()) {}
};

// Five panels of 200 mm with chained chords from 300 to 200 and mixed sweep offsets.
inline calc::WingState withFivePanels(calc::WingState state) {
  state.lastPanel = 4;
  state.rootChord = {300, 280, 260, 240, 220};
  state.tipChord = {280, 260, 240, 220, 200};
  state.panelLength = {200, 200, 200, 200, 200};
  state.sweepOffset = {0, -12.5, 5, 12.5, 20};
  state.spanUpTo = {200, 400, 600, 800, 1000};
  return state;
}

// A recorded log as one text, each entry ended by '|'.
inline std::string joined(const std::vector<std::string>& log) {
  std::string all;
  for (const auto& entry : log) all += entry + '|';
  return all;
}

}  // namespace tavelor::plot::test

#pragma once

#include "calc/wing_state.h"
#include "support/language_folder.h"

namespace tavelor::plot::test {

// The texts the sheet and the print command read. Label 13 holds an accented letter, written
// to the file in Windows-1252, to show the sheet gets UTF-8.
class SheetLanguage : public testing::LanguageFolder {
 public:
  SheetLanguage()
      : LanguageFolder({{"Label",
                         {{"0", "Tavelor"},
                          {"1", "Root chord"},
                          {"2", "Tip chord"},
                          {"3", "Panel length"},
                          {"4", "Sweep"},
                          {"5", "Centring %"},
                          {"6", "Span"},
                          {"7", "Area"},
                          {"8", "Aspect ratio"},
                          {"9", "Distance X"},
                          {"10", "Mean chord"},
                          {"11", "Centring distance"},
                          {"12", "Panel"},
                          {"13", "Entr\u00e9es"},
                          {"14", "Results"},
                          {"15", "Mass"},
                          {"16", "Wing loading"}}},
                        {"Print", {{"1", "Scale"}, {"2", "Sheet:"}, {"3", "Date:"}}},
                        {"Message",
                         {{"10", "Nothing to print yet"},
                          {"11", "Print on"},
                          {"12", "Name of the sheet?"},
                          {"13", "Print"},
                          {"14", "My wing"},
                          {"15", "Sheet sent to the printer"},
                          {"16", "Printer fault"}}}}) {}
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

}  // namespace tavelor::plot::test

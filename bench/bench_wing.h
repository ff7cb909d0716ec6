#pragma once

// The wing every benchmark works on, and a program folder holding the real English language file,
// so the texts the sheet prints are read from disk as they are in the program.

#include <filesystem>
#include <string>

#include "calc/calculate.h"
#include "calc/inputs.h"
#include "i18n/language.h"
#include "support/fake_window.h"
#include "support/language_folder.h"

namespace tavelor::bench {

// Five panels with chained chords, cumulative sweep and a comma as the decimal mark.
inline void typeFivePanelWing(testing::FakeInputWindow& window) {
  using calc::Field;
  window.mark = std::string(1, ',');  // a literal here trips a GCC -Wrestrict false positive
  window.setPanel(0, "260", "240", "350", "5");
  window.setPanel(1, "240", "220", "300", "15,5");
  window.setPanel(2, "220", "190", "250", "30");
  window.setPanel(3, "190", "150", "200", "55,25");
  window.setPanel(4, "150", "90", "150", "90");
  window.setFieldText(Field::Cg, 0, "32,5");
  window.setFieldText(Field::masse, 0, "2150");
}

inline calc::WingState freshState() {
  calc::WingState state;
  state.areaUnit = std::string(calc::kAreaUnit);
  state.lengthUnit = std::string(calc::kLengthUnit);
  return state;
}

// A program folder holding the shipped English language file, as the program finds it.
class EnglishProgramFolder : public testing::TempFolder {
 public:
  EnglishProgramFolder() {
    std::filesystem::copy_file(std::filesystem::path(TAVELOR_LANG_DIR) / "English.lng",
                               file("English.lng"));
  }
};

}  // namespace tavelor::bench

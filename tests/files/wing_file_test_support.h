#pragma once

#include <string>
#include <vector>

#include "calc/calculate.h"
#include "calc/inputs.h"
#include "calc/wing_state.h"
#include "files/file_commands.h"
#include "i18n/language.h"
#include "support/fake_file_window.h"
#include "support/language_folder.h"

namespace tavelor::files::test {

// Joins lines, each followed by lineEnd.
inline std::string joinLines(const std::vector<std::string>& lines,
                             const std::string& lineEnd = "\r\n") {
  std::string bytes;
  for (const auto& line : lines) bytes += line + lineEnd;
  return bytes;
}

// The program folder with a language file whose texts name their keys, and a main window as it
// stands after start-up.
class WingFileFixture {
 public:
  WingFileFixture() : language(folder.path(), window) {
    // clang-format off
    folder.write("test.lng", testing::languageFileBytes(
        {{"Label", {{"0", "Tavelor"}}},
         {"Message", {{"1", "Panel data invalid"}, {"3", "Calculate first"}, {"4", "Save wing"},
                      {"5", "Wing data"}, {"6", "Saved as:"}, {"8", "Error"}, {"9", "in"}}}}));
    // clang-format on
    language.setLanguage("test");
    state.areaUnit = calc::kAreaUnit;  // as start-up sets them
    state.lengthUnit = calc::kLengthUnit;
    calc::clearInputs(state, window, language);
  }

  tavelor::testing::TempFolder folder;
  tavelor::testing::FakeFileWindow window;
  i18n::Language language;
  calc::WingState state;
  WingFileState files;
};

}  // namespace tavelor::files::test

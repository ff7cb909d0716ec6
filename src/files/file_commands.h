#pragma once

#include <cstdint>
#include <string>

#include "calc/wing_state.h"
#include "files/file_window.h"
#include "i18n/language.h"

namespace tavelor::files {

// What the wing data file commands keep in the main window between calls.
struct WingFileState {
  // The full path of the last file dialog, reduced to the bare name after a successful command.
  std::string currentFileName;
  // The 1-based position of the last separator in the path given to LenMonFichier (0: none).
  std::int16_t lastSeparatorPos = 0;
  // The composed message of the last failed file command.
  std::string fileErrorText;
};

// The errors of our own in the file-error message; every other one is the system's errno.
inline constexpr int kReadPastEndError = 62;
inline constexpr const char* kReadPastEndText = "Input past end of file";
// Shown with EFBIG for a file over kMaxWingFileBytes.
inline constexpr const char* kTooLargeText = "The file is too large to be a wing data file";

// Sets lastSeparatorPos to the position of the last kSeparator in the path.
void LenMonFichier(WingFileState& files, const std::string& leFichierReccerche);

// Save: refused while no calculation stands; otherwise asks for a file, writes the 22 field
// texts, confirms and shows the file's name in the caption.
void mnusave_Click(WingFileState& files, const calc::WingState& state, FileWindow& window,
                   i18n::LanguageModule& language);

// Open: asks for a file, clears the window, fills the fields from the file and recalculates.
// Returns true when the calculation's results stand: the caller then draws the plan.
[[nodiscard]] bool mnuopen_Click(WingFileState& files, calc::WingState& state, FileWindow& window,
                                 i18n::LanguageModule& language);

}  // namespace tavelor::files

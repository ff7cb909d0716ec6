#pragma once

#include <string>

#include "calc/input_window.h"
#include "calc/wing_state.h"
#include "files/file_commands.h"
#include "i18n/language.h"
#include "ui/window.h"

namespace tavelor::ui {

// The only texts of the program that no language file supplies: start-up has no language yet.
inline constexpr const char* kPleaseSelectLanguage = "Please select a language";
std::string noLanguageFileText(const std::string& programFolder);

// The main form `frmMain`: owns the wing record and the language module for the program's whole
// life, runs the start-up sequence and turns each event of the window into its handler. It holds
// no toolkit code; the window layer calls these handlers from its own events.
class MainForm {
 public:
  // programFolder: the executable's folder, without a trailing separator.
  MainForm(Window& window, std::string programFolder);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // Runs once, before the window is shown: makes sure a language is chosen, translates the
  // window and clears the inputs. Returns false when the program cannot start (no language
  // file in its folder): the user was told and the window was asked to end the program.
  bool startUp();

  // Buttons.
  void cmdCalcul_Click();
  void cmdClear_Click();
  void cmdprint_Click();

  // Input fields.
  void C_min_Change();
  // Whether a character typed into a field reaches it; the window discards it otherwise.
  bool keyPress(calc::Field field, char32_t character) const;
  void fieldGotFocus(calc::Field field, int index);

  // Menus.
  void mnuopen_Click();
  void mnusave_Click();
  void mnufileprint_Click();
  void mnufilequit_Click();
  void mnulang_Click();
  void mnuhlp_Click();
  void nmuabout_Click();

  calc::WingState& state() { return state_; }
  i18n::LanguageModule& language() { return language_; }
  files::WingFileState& fileState() { return files_; }

 private:
  // Start-up steps 1 to 4: returns false when no language can ever be chosen.
  bool settleLanguage();

  Window& window_;
  i18n::LanguageModule language_;
  calc::WingState state_;
  files::WingFileState files_;
};

}  // namespace tavelor::ui

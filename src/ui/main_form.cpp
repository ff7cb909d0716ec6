#include "ui/main_form.h"

#include <utility>

#include "calc/calculate.h"
#include "calc/inputs.h"
#include "i18n/language_chooser.h"
#include "i18n/translate.h"
#include "plot/plan_view.h"
#include "plot/print_command.h"

namespace tavelor::ui {

std::string noLanguageFileText(const std::string& programFolder) {
  return "No language file (" + std::string(i18n::kLanguagePattern) + ") was found in the folder " +
         programFolder + ".\r\nTavelor cannot start without one.";
}

MainForm::MainForm(Window& window, std::string programFolder)
    : window_(window), language_(std::move(programFolder), window) {}

bool MainForm::settleLanguage() {
  for (;;) {
    const std::string stored = language_.readStoredLanguage();
    std::string chosen;
    if (stored.empty()) {
      // With no language file at all the chooser's list stays empty and asking again could
      // never succeed: say so and stop instead.
      if (i18n::listLanguages(language_.programFolder() + i18n::kSeparator, i18n::kLanguagePattern)
              .empty()) {
        window_.showMessage(noLanguageFileText(language_.programFolder()), i18n::kAppTitle,
                            i18n::Icon::Critical, i18n::Buttons::Ok);
        window_.endProgram();
        return false;
      }
      language_.firstStart = true;
      language_.currentLanguage.clear();
      window_.showLanguageChooser(language_);
      // The chooser's OK makes its language current even when tv.ini cannot be written (a
      // read-only program folder); keep it for this run rather than asking forever.
      chosen = language_.currentLanguage;
    }
    language_.currentLanguage = language_.readStoredLanguage();
    if (language_.currentLanguage.empty()) language_.currentLanguage = chosen;
    if (!language_.currentLanguage.empty()) return true;
    window_.showMessage(kPleaseSelectLanguage, i18n::kAppTitle, i18n::Icon::Critical,
                        i18n::Buttons::Ok);
  }
}

bool MainForm::startUp() {
  if (!settleLanguage()) return false;
  language_.setLanguage(language_.currentLanguage);
  i18n::translate(language_, window_);
  language_.firstStart = false;
  state_.focusReady = 0;
  state_.resultsValid = 0;
  state_.areaUnit = calc::kAreaUnit;
  state_.lengthUnit = calc::kLengthUnit;
  calc::clearInputs(state_, window_, language_);
  return true;
}

void MainForm::cmdCalcul_Click() {
  if (calc::calculate(state_, window_, language_)) plot::drawPlan(state_, window_.planSurface());
}

void MainForm::cmdClear_Click() { calc::clearInputs(state_, window_, language_); }

void MainForm::cmdprint_Click() { plot::cmdprint_Click(state_, window_, language_); }

void MainForm::C_min_Change() { calc::C_min_Change(window_); }

bool MainForm::keyPress(calc::Field field, char32_t character) const {
  return calc::keyPasses(field, character);
}

void MainForm::fieldGotFocus(calc::Field field, int index) {
  calc::onFieldFocus(state_, window_, field, index);
}

void MainForm::mnuopen_Click() {
  if (files::mnuopen_Click(files_, state_, window_, language_)) {
    plot::drawPlan(state_, window_.planSurface());
  }
}

void MainForm::mnusave_Click() { files::mnusave_Click(files_, state_, window_, language_); }

void MainForm::mnufileprint_Click() { plot::mnufileprint_Click(state_, window_, language_); }

void MainForm::mnufilequit_Click() { window_.endProgram(); }

void MainForm::mnulang_Click() { window_.showLanguageChooser(language_); }

void MainForm::mnuhlp_Click() { window_.showHelp(buildHelpTexts(language_)); }

void MainForm::nmuabout_Click() { window_.showAbout(buildAboutTexts(language_)); }

}  // namespace tavelor::ui

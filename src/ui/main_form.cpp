#include "ui/main_form.h"

#include <utility>

#include "base/decimal_text.h"
#include "i18n/language_chooser.h"
#include "i18n/translate.h"
#include "plot/number_text.h"
#include "plot/plan_view.h"
#include "ui/wing_inputs.h"

namespace tavelor::ui {

std::string noLanguageFileText(const std::string& programFolder) {
  return "No language file (" + std::string(i18n::kLanguagePattern) + ") was found in the folder " +
         programFolder + ".\r\nTavelor cannot start without one.";
}

MainForm::MainForm(Window& window, std::string programFolder)
    : window_(window), language_(std::move(programFolder), window) {}

bool MainForm::settleLanguage() {
  for (;;) {
    const i18n::Language::Pass pass(language_);
    const std::string stored = language_.readStoredLanguage();
    std::string chosen;
    if (stored.empty()) {
      // With no language file at all the chooser's list stays empty and asking again could
      // never succeed: say so and stop instead.
      if (i18n::listLanguages(language_.programFolder() + base::kSeparator, i18n::kLanguagePattern)
              .empty()) {
        window_.showMessage(noLanguageFileText(language_.programFolder()), base::kAppTitle,
                            base::Icon::Critical, base::Buttons::Ok);
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
    window_.showMessage(kPleaseSelectLanguage, base::kAppTitle, base::Icon::Critical,
                        base::Buttons::Ok);
  }
}

bool MainForm::startUp() {
  if (!settleLanguage()) return false;
  const i18n::Language::Pass pass(language_);
  language_.setLanguage(language_.currentLanguage);
  i18n::translate(language_, window_);
  language_.firstStart = false;
  focusReady_ = false;
  loadRecentFiles();
  clearInputs();
  return true;
}

files::WingTexts MainForm::fieldTexts() const {
  files::WingTexts texts;
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    texts[slot] = window_.fieldText(kFieldOrder[slot].field, kFieldOrder[slot].index);
  }
  return texts;
}

void MainForm::showFieldTexts(const files::WingTexts& texts) {
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    window_.setFieldText(kFieldOrder[slot].field, kFieldOrder[slot].index, texts[slot]);
  }
}

files::WingDocument MainForm::document() const {
  return {fieldTexts(), stabilityTexts_, ribLines_, {}};
}

void MainForm::warn(const std::string& text) {
  window_.showMessage(text, language_.text("Label", "0"), base::Icon::Warning, base::Buttons::Ok);
}

std::string refusalText(i18n::Language& language, const ComputedTexts& computed) {
  const std::string key = computed.refusalKey;
  if (!key.starts_with("panel")) return language.textOrEnglish("Message", key);
  std::string text = language.text("Message", key);
  if (text.empty()) return language.textOrEnglish("Message", "1");
  if (const auto at = text.find("%1"); at != std::string::npos) {
    text.replace(at, 2, std::to_string(computed.faultAt->index + 1));
  }
  return text;
}

void MainForm::inputChanged() { showStaleness(); }

void MainForm::showStaleness() {
  const bool stale = figuresShown_ && !figuresCurrent();
  if (stale == staleShown_) return;
  staleShown_ = stale;
  const i18n::Language::Pass pass(language_);
  window_.showStale(stale ? language_.textOrEnglish("Message", "stale") : std::string());
}

bool MainForm::calculate() {
  const i18n::Language::Pass pass(language_);
  const std::string mark = window_.decimalMark();
  const files::WingTexts texts = fieldTexts();
  ComputedTexts computed = computeTexts(texts, mark);
  if (!computed.results) {
    results_.reset();
    showStaleness();
    warn(refusalText(language_, computed));
    if (computed.faultAt && focusReady_) {
      window_.selectAll(computed.faultAt->field, computed.faultAt->index);
      window_.setFocus(computed.faultAt->field, computed.faultAt->index);
    }
    return false;
  }
  results_ = std::move(computed.results);
  calculatedTexts_ = texts;
  figuresShown_ = true;
  geometry_ = wing::wingGeometry(*results_);

  const wing::WingResults& r = *results_;
  const auto show = [&](ResultLabel label, double value, const char* unit) {
    window_.setResultText(label, base::formatResult(value, mark) + unit);
  };
  show(ResultLabel::Span, r.span, plot::kLengthUnit);
  show(ResultLabel::Area, r.areaDm2, plot::kAreaUnit);
  show(ResultLabel::AspectRatio, r.aspectRatio, "");
  show(ResultLabel::MacStation, r.macStation, plot::kLengthUnit);
  show(ResultLabel::Centring, r.centring, plot::kLengthUnit);
  show(ResultLabel::MacLength, r.macLength, plot::kLengthUnit);
  show(ResultLabel::WingLoading, r.wingLoading, plot::kLoadingUnit);
  window_.selectAll(Field::RootChord, 0);
  if (focusReady_) window_.setFocus(Field::RootChord, 0);
  window_.showPlan(plot::planDrawing(r, geometry_));
  showStaleness();
  return true;
}

void MainForm::clearInputs() {
  const i18n::Language::Pass pass(language_);
  results_.reset();
  figuresShown_ = false;
  stabilityTexts_ = {};
  ribLines_ = {};
  showFieldTexts(files::WingDocument::newTexts());
  for (const auto label :
       {ResultLabel::Span, ResultLabel::Area, ResultLabel::AspectRatio, ResultLabel::MacStation,
        ResultLabel::MacLength, ResultLabel::Centring, ResultLabel::WingLoading}) {
    window_.setResultText(label, "");
  }
  window_.showPlan({});
  showStaleness();
  window_.setWindowTitle(language_.text("Label", "0"));
  lastWingFile_.clear();  // a new wing: Save asks where it goes
  keepInputs();
  window_.selectAll(Field::RootChord, 0);
  // Before the window is visible (start-up) it must not be given the focus.
  if (focusReady_) window_.setFocus(Field::RootChord, 0);
}

void MainForm::copyTipChords() {
  // The tip chord of panel 5 has no panel after it.
  for (int i = 0; i + 1 < kPanels; ++i) {
    window_.setFieldText(Field::RootChord, i + 1, window_.fieldText(Field::TipChord, i));
  }
}

void MainForm::fieldFocused(Field field, int index) {
  window_.selectAll(field, index);
  if (field == Field::RootChord) focusReady_ = true;
}

void MainForm::quit() {
  if (mayCloseWindow()) window_.endProgram();
}

bool MainForm::mayCloseWindow() {
  const i18n::Language::Pass pass(language_);
  return offerToSaveChanges();
}

void MainForm::keepInputs() { kept_ = document(); }

bool MainForm::offerToSaveChanges() {
  if (document() == kept_) return true;
  const base::Answer answer =
      window_.showMessage(language_.textOrEnglish("Message", "18"), language_.text("Label", "0"),
                          base::Icon::Question, base::Buttons::YesNoCancel);
  if (answer == base::Answer::No) return true;
  if (answer != base::Answer::Yes) return false;
  // A wing that cannot be computed has been reported and stays.
  return saveToCurrentFile();
}

void MainForm::chooseLanguage() {
  const i18n::Language::Pass pass(language_);
  window_.showLanguageChooser(language_);
  // The new language's captions replaced the stale note: show it again in that language.
  staleShown_ = false;
  showStaleness();
}

void MainForm::showHelp() {
  const i18n::Language::Pass pass(language_);
  window_.showHelp(buildHelpTexts(language_));
}

void MainForm::showAbout() {
  const i18n::Language::Pass pass(language_);
  window_.showAbout(buildAboutTexts(language_));
}

}  // namespace tavelor::ui

#include "ui/main_form.h"

#include <optional>
#include <utility>

#include "base/decimal_text.h"
#include "i18n/language_chooser.h"
#include "i18n/translate.h"
#include "plot/number_text.h"
#include "plot/plan_view.h"
#include "ui/wing_inputs.h"

namespace tavelor::ui {

namespace {

// The units choice in tv.ini, beside the language.
constexpr const char* kUnitsKey = "Units";

}  // namespace

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
  units_ = language_.readUserSetting(i18n::kSettingsSection, kUnitsKey) == "Imperial"
               ? base::Units::Imperial
               : base::Units::Metric;
  language_.units = units_;
  window_.showUnits(units_);
  i18n::translate(language_, window_);
  language_.firstStart = false;
  focusReady_ = false;
  loadRecentFiles();
  clearInputs();
  return true;
}

namespace {

// What a field holds: a length, a mass, or the centring's percentage (no unit).
std::optional<base::Quantity> quantityOf(Field field) {
  if (field == Field::Centring) return std::nullopt;
  return field == Field::Mass ? base::Quantity::Mass : base::Quantity::Length;
}

}  // namespace

files::WingTexts MainForm::fieldTexts() const {
  files::WingTexts texts;
  const std::string mark = window_.decimalMark();
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    const auto [field, index] = kFieldOrder[slot];
    texts[slot] = window_.fieldText(field, index);
    const auto quantity = quantityOf(field);
    if (units_ == base::Units::Metric || !quantity) continue;
    texts[slot] = texts[slot] == shownTexts_[slot]
                      ? metricTexts_[slot]
                      : base::metricFieldText(*quantity, texts[slot], mark);
  }
  return texts;
}

void MainForm::showFieldTexts(const files::WingTexts& texts) {
  const std::string mark = window_.decimalMark();
  metricTexts_ = texts;
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    const auto [field, index] = kFieldOrder[slot];
    const auto quantity = quantityOf(field);
    shownTexts_[slot] = units_ == base::Units::Metric || !quantity
                            ? texts[slot]
                            : base::imperialFieldText(*quantity, texts[slot], mark);
  }
  // Setting a tip chord copies it on to the next root chord: every text is set before any is
  // read back.
  for (std::size_t slot = 0; slot < texts.size(); ++slot) {
    window_.setFieldText(kFieldOrder[slot].field, kFieldOrder[slot].index, shownTexts_[slot]);
  }
}

void MainForm::setUnits(base::Units units) {
  const i18n::Language::Pass pass(language_);
  if (units == units_) return;
  const files::WingTexts texts = fieldTexts();
  units_ = units;
  language_.units = units;
  showFieldTexts(texts);
  window_.showUnits(units_);
  i18n::translate(language_, window_);
  staleShown_ = false;  // the frame's caption is new: a note is added again
  showStaleness();
  if (figuresShown_) showFigures();
  language_.storeUserSetting(i18n::kSettingsSection, kUnitsKey,
                             units_ == base::Units::Imperial ? "Imperial" : "Metric");
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
  return i18n::filled(text, {std::to_string(computed.faultAt->index + 1)});
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
    // The last figures stay, shown stale, until the inputs calculate again.
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

  showFigures();
  window_.selectAll(Field::RootChord, 0);
  if (focusReady_) window_.setFocus(Field::RootChord, 0);
  showStaleness();
  return true;
}

void MainForm::showFigures() {
  const wing::WingResults& r = *results_;
  const std::string mark = window_.decimalMark();
  const auto show = [&](ResultLabel label, double value, base::Quantity quantity, const char* gap) {
    window_.setResultText(
        label, base::formatResult(base::shownValue(quantity, value, units_), mark) + " " +
                   base::unitSymbol(quantity, units_) + gap);
  };
  using enum base::Quantity;
  show(ResultLabel::Span, r.span, Length, "  ");
  show(ResultLabel::Area, r.areaDm2, Area, "  ");
  window_.setResultText(ResultLabel::AspectRatio, base::formatResult(r.aspectRatio, mark));
  show(ResultLabel::MacStation, r.macStation, Length, "  ");
  show(ResultLabel::Centring, r.centring, Length, "  ");
  show(ResultLabel::MacLength, r.macLength, Length, "  ");
  show(ResultLabel::WingLoading, r.wingLoading, Loading, "");
  show(ResultLabel::CubeLoading, r.cubeLoading, CubeLoading, "");
  window_.showPlan(plot::planDrawing(r, geometry_, ribLineFigures()));
}

void MainForm::clearInputs() {
  const i18n::Language::Pass pass(language_);
  results_.reset();
  figuresShown_ = false;
  stabilityTexts_ = {};
  ribLines_ = {};
  showFieldTexts(files::WingDocument::newTexts());
  for (const auto label : {ResultLabel::Span, ResultLabel::Area, ResultLabel::AspectRatio,
                           ResultLabel::MacStation, ResultLabel::MacLength, ResultLabel::Centring,
                           ResultLabel::WingLoading, ResultLabel::CubeLoading}) {
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

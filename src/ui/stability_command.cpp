// The main form's stability command: the stability window on the wing's last figures.
#include "ui/main_form.h"

namespace tavelor::ui {

void MainForm::showStability() {
  const i18n::Language::Pass pass(language_);
  if (!figuresReady()) return;
  // The form keeps a copy of the wing: "Use this CG" calculates anew while the window is open.
  StabilityForm form(
      *results_, stabilityTexts_, window_.decimalMark(),
      [this](const std::string& key) { return language_.textOrEnglish("Stability", key); },
      [this](const std::string& percentText) { useCentring(percentText); }, units_);
  window_.showStability(form);
}

void MainForm::useCentring(const std::string& percentText) {
  const i18n::Language::Pass pass(language_);
  window_.setFieldText(Field::Centring, 0, percentText);
  calculate();
}

}  // namespace tavelor::ui

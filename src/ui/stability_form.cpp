#include "ui/stability_form.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/decimal_text.h"
#include "base/units.h"
#include "ui/stability_inputs.h"
#include "ui/wing_inputs.h"

namespace tavelor::ui {

StabilityForm::StabilityForm(const wing::WingResults& wing, files::TailTexts& texts,
                             std::string decimalMark, TextLookup text, UseCentring useCentring,
                             base::Units units)
    : wing_(wing),
      texts_(texts),
      decimalMark_(std::move(decimalMark)),
      units_(units),
      text_(std::move(text)),
      useCentring_(std::move(useCentring)) {
  if (std::ranges::all_of(texts_, [](const std::string& t) { return t.empty(); })) {
    texts_[kTailEfficiencyText] = "0" + decimalMark_ + "9";
    texts_[kStaticMarginText] = "10";
  }
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    shown_[i] = isLength(i)
                    ? base::imperialFieldText(base::Quantity::Length, texts_[i], decimalMark_)
                    : texts_[i];
  }
}

bool StabilityForm::isLength(std::size_t field) const {
  return units_ == base::Units::Imperial && field != kTailEfficiencyText &&
         field != kStaticMarginText;
}

bool StabilityForm::keyPasses(std::size_t field, char32_t character) {
  using enum StabilityField;
  const auto which = static_cast<StabilityField>(field);
  return numberKeyPasses(character, which == Sweep1 || which == Sweep2 || which == Height);
}

void StabilityForm::edit(std::size_t field, const std::string& text) {
  shown_.at(field) = text;
  texts_[field] =
      isLength(field) ? base::metricFieldText(base::Quantity::Length, text, decimalMark_) : text;
  mayUse_ = false;
  // Panel 1's tip chord is panel 2's root chord.
  if (field == static_cast<std::size_t>(StabilityField::TipChord1)) {
    shown_[static_cast<std::size_t>(StabilityField::RootChord2)] = text;
    texts_[static_cast<std::size_t>(StabilityField::RootChord2)] = texts_[field];
  }
}

std::optional<std::string> StabilityForm::calculate() {
  const StabilityReading reading = readStabilityInputs(texts_, decimalMark_);
  if (!reading.inputs) return text_(reading.faultKey);
  const wing::StabilityOutcome outcome = wing::computeStability(*reading.inputs, wing_);
  if (!outcome.results) return text_(stabilityFaultKey(outcome.fault));
  results_ = outcome.results;
  resultTailArm_ = reading.inputs->tailArm;
  showFigures();
  // The main window takes a centring above 0 and below 100 %; a margin beyond the NP's lead
  // gives none.
  const double cg = std::round(results_->centringPercent * 100) / 100;
  mayUse_ = cg > 0 && cg < 100;
  return std::nullopt;
}

void StabilityForm::useCentring() {
  if (!results_ || !useCentring_) return;
  const std::string percent = figure(StabilityFigure::CgPercent);
  useCentring_(percent);
  // The wing is now centred there (as rounded in the text): its margin is the wanted one.
  if (const auto centring = base::readNumber(percent, decimalMark_)) {
    wing_.centringPercent = *centring;
    results_->currentMarginPercent = results_->neutralPointPercent - *centring;
    showFigures();
  }
}

bool StabilityForm::unstable() const {
  return results_ && std::round(results_->currentMarginPercent * 100) <= 0;
}

void StabilityForm::showFigures() {
  const wing::StabilityResults& r = *results_;
  const auto format = [this](double value) {
    return base::formatResult(value, decimalMark_, base::ResultLayout::Plain);
  };
  using enum base::Quantity;
  const auto length = [this](double mm) { return base::shownValue(Length, mm, units_); };
  const bool tail = !r.flyingWing;
  const double values[kStabilityFigureCount] = {
      base::shownValue(Area, r.stabiliser.areaDm2, units_),
      r.stabiliser.aspectRatio,
      r.tailVolume,
      length(r.tailArmAc),
      r.liftSlope,
      r.neutralPointPercent,
      length(r.neutralPoint),
      r.wingAerodynamicCentrePercent,
      r.centringPercent,
      length(r.centring),
      r.currentMarginPercent};
  for (std::size_t i = 0; i < kStabilityFigureCount; ++i) {
    // The stabiliser's own figures mean nothing for a flying wing.
    const bool stabiliserFigure = i <= static_cast<std::size_t>(StabilityFigure::ArmAc);
    figures_[i] = tail || !stabiliserFigure ? format(values[i]) : std::string();
  }
}

}  // namespace tavelor::ui

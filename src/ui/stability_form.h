#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "base/units.h"
#include "files/wing_file.h"
#include "wing/stability.h"
#include "wing/wing.h"

namespace tavelor::ui {

// The stability window's figures, in the order it shows them.
enum class StabilityFigure {
  Area,
  AspectRatio,
  Volume,
  ArmAc,
  LiftSlope,
  NpPercent,
  NpMm,
  WingCentre,
  CgPercent,
  CgMm,
  Margin,
};
inline constexpr std::size_t kStabilityFigureCount = 11;

// The stability window without its widgets: the stabiliser's texts in (files::TailTexts order),
// the neutral point and the CG for the wanted margin out as the texts to show, and the CG handed
// back to the main window. The toolkit layer shows it and calls its commands.
class StabilityForm {
 public:
  using TextLookup = std::function<std::string(const std::string& key)>;
  using UseCentring = std::function<void(const std::string& percentText)>;

  // texts: the main form's stability texts, edited in place while the window is open; with all
  // of them empty, the efficiency and the margin start from the window's own defaults. text: the
  // [Stability] section of the language file.
  // units: the fields' lengths and the figures' lengths and area; texts stay metric.
  StabilityForm(const wing::WingResults& wing, files::TailTexts& texts, std::string decimalMark,
                TextLookup text, UseCentring useCentring, base::Units units = base::Units::Metric);

  std::string text(const std::string& key) const { return text_(key); }
  const files::TailTexts& texts() const { return texts_; }
  // The fields' texts as the window shows them: lengths in the chosen units, what the user typed
  // as typed.
  const files::TailTexts& shownTexts() const { return shown_; }
  // Whether a character typed into the field reaches it: the sweeps and the height take a sign.
  static bool keyPasses(std::size_t field, char32_t character);
  // The user changed a field: the figures shown no longer match it, so the CG cannot be used
  // until the next calculation; panel 2 starts where panel 1 ends.
  void edit(std::size_t field, const std::string& text);

  // Reads the texts and computes: the warning naming the first unusable field (the figures stay
  // as they were), or nothing.
  std::optional<std::string> calculate();
  // "Use this CG": the main window takes the CG as shown; the wing's margin becomes the wanted one.
  void useCentring();
  bool mayUseCentring() const { return mayUse_; }

  // The figures to show: empty before the first calculation, and those a flying wing lacks.
  const std::array<std::string, kStabilityFigureCount>& figures() const { return figures_; }
  std::string figure(StabilityFigure which) const {
    return figures_[static_cast<std::size_t>(which)];
  }
  // The main window's CG at or behind the NP, as shown rounded.
  bool unstable() const;
  bool flyingWing() const { return results_ && results_->flyingWing; }

  // For the pictures: the wing (its centring follows "Use this CG"), the last results and the
  // tail arm they were computed with.
  const wing::WingResults& wing() const { return wing_; }
  const std::optional<wing::StabilityResults>& results() const { return results_; }
  double resultTailArm() const { return resultTailArm_; }

 private:
  void showFigures();
  // The field holds a length shown in inches.
  bool isLength(std::size_t field) const;

  wing::WingResults wing_;
  files::TailTexts& texts_;
  files::TailTexts shown_;
  std::string decimalMark_;
  base::Units units_;
  TextLookup text_;
  UseCentring useCentring_;
  std::optional<wing::StabilityResults> results_;
  double resultTailArm_ = 0;
  bool mayUse_ = false;
  std::array<std::string, kStabilityFigureCount> figures_;
};

}  // namespace tavelor::ui

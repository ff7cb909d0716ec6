#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "wing/stability.h"
#include "wing/wing.h"

namespace tavelor::qt {

class StabilityPlan;
class SpanLoadView;

// The window's input fields, in the order of inputTexts(): the stabiliser's panel 1, then
// panel 2 (root chord, tip chord, length, sweep each), then the tail arm, the tail efficiency,
// the wanted static margin and the stabiliser's height above the wing.
enum class StabilityField {
  RootChord1,
  TipChord1,
  Length1,
  Sweep1,
  RootChord2,
  TipChord2,
  Length2,
  Sweep2,
  TailArm,
  TailEfficiency,
  StaticMargin,
  Height,
};
inline constexpr int kStabilityFieldCount = 12;

// The stability window: the horizontal stabiliser and its place behind a computed wing in, the
// neutral point and the CG for a wanted static margin out, with a plan of both surfaces to scale
// and the wing's spanwise lift.
// It is modal and knows no language file: every text comes from `text`, keyed as the
// [Stability] section of a language file.
class StabilityDialog : public QDialog {
  Q_OBJECT
 public:
  using TextLookup = std::function<QString(const QString& key)>;
  // Gets the CG for the margin as a percentage text, two decimals with the window's mark.
  using UseCentring = std::function<void(const QString& percentText)>;

  StabilityDialog(const wing::WingResults& wing, TextLookup text, QString decimalMark,
                  UseCentring useCentring, QWidget* owner);

  // Texts in StabilityField order; a shorter list leaves the remaining fields as they are.
  void setInputTexts(const QStringList& texts);
  QStringList inputTexts() const;

  QLineEdit* field(StabilityField which) const { return fields_[static_cast<int>(which)]; }
  const std::optional<wing::StabilityResults>& results() const { return results_; }

  // Reads the fields and computes; an unusable field is named in a warning box and leaves the
  // results as they were.
  void calculate();
  void useCentring();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::optional<wing::StabilityInputs> readInputs();
  void warn(const char* key);
  void showResults();
  QString format(double value) const;

  wing::WingResults wing_;
  TextLookup text_;
  QString decimalMark_;
  UseCentring useCentring_;
  std::optional<wing::StabilityResults> results_;
  double resultTailArm_ = 0;  // the arm the results were computed with, for the plan

  std::array<QLineEdit*, kStabilityFieldCount> fields_{};
  enum Result {
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
  std::array<QLabel*, Margin + 1> values_{};
  QLabel* flyingWing_;
  QLabel* unstable_;
  QPushButton* calculate_;
  QPushButton* use_;
  StabilityPlan* plan_;
  SpanLoadView* spanLoad_;
};

}  // namespace tavelor::qt

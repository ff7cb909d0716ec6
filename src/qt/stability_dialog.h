#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "ui/stability_form.h"

namespace tavelor::qt {

class StabilityPlan;
class SpanLoadView;

// The window's input fields, in the form's texts' order: the stabiliser's panel 1, then
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
// and the wing's spanwise lift. It only shows a ui::StabilityForm, which reads and computes.
// It is modal and knows no language file: every text comes from the form, keyed as the
// [Stability] section of a language file.
class StabilityDialog : public QDialog {
  Q_OBJECT
 public:
  StabilityDialog(ui::StabilityForm& form, QWidget* owner);

  QLineEdit* field(StabilityField which) const { return fields_[static_cast<int>(which)]; }

  // Computes; an unusable field is named in a warning box and leaves the figures as they were.
  void calculate();
  void useCentring();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showResults();

  ui::StabilityForm& form_;
  std::array<QLineEdit*, kStabilityFieldCount> fields_{};
  std::array<QLabel*, ui::kStabilityFigureCount> values_{};
  QLabel* flyingWing_;
  QLabel* unstable_;
  QPushButton* calculate_;
  QPushButton* use_;
  StabilityPlan* plan_;
  SpanLoadView* spanLoad_;
};

}  // namespace tavelor::qt

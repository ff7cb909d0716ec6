#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "ui/stability_form.h"
#include "ui/stability_inputs.h"

namespace tavelor::qt {

class DrawingView;

// The stability window: the horizontal stabiliser and its place behind a computed wing in, the
// neutral point and the CG for a wanted static margin out, with a plan of both surfaces to scale
// and the wing's spanwise lift. It only shows a ui::StabilityForm, which reads and computes.
// It is modal and knows no language file: every text comes from the form, keyed as the
// [Stability] section of a language file.
class StabilityDialog : public QDialog {
  Q_OBJECT
 public:
  StabilityDialog(ui::StabilityForm& form, QWidget* owner);

  QLineEdit* field(ui::StabilityField which) const { return fields_[static_cast<int>(which)]; }

  // Computes; an unusable field is named in a warning box and leaves the figures as they were.
  void calculate();
  void useCentring();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showResults();
  // The plan (with the stabiliser tailArm aft once computed) and the wing's span load.
  void showPictures(double tailArm);

  ui::StabilityForm& form_;
  std::array<QLineEdit*, files::kTailFieldCount> fields_{};
  std::array<QLabel*, ui::kStabilityFigureCount> values_{};
  QLabel* flyingWing_;
  QLabel* unstable_;
  QPushButton* calculate_;
  QPushButton* use_;
  DrawingView* plan_;
  DrawingView* spanLoad_;
};

}  // namespace tavelor::qt

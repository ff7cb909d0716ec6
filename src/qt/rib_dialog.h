#pragma once

#include <QDialog>
#include <QLineEdit>
#include <array>

#include "ui/rib_form.h"

namespace tavelor::qt {

class DrawingView;

// The ribs window: the rib settings in a grid built from ui/rib_table.h, the root rib, the tip
// rib and the first stock sheet drawn as they are typed, and the buttons that export, print,
// take or drop them. It only shows a ui::RibForm, which reads, refuses and draws; every text
// comes from the form, keyed as the [Ribs] section of a language file.
class RibDialog : public QDialog {
  Q_OBJECT
 public:
  RibDialog(ui::RibForm& form, QWidget* owner);

 protected:
  // A number field gets no key its number cannot hold.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Runs a command of the form; when it refused a field, the focus goes there.
  void run(bool (ui::RibForm::*command)());
  void showPictures();

  ui::RibForm& form_;
  std::array<QLineEdit*, ui::kRibFieldCount> fields_{};
  std::array<DrawingView*, 3> views_{};
};

}  // namespace tavelor::qt

#pragma once

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include "i18n/language_chooser.h"

namespace tavelor::qt {

// The language chooser window: an editable drop-down box and an OK button. Its logic is an
// i18n::LanguageChooser driven from the box's and the button's events.
class LanguageChooserDialog : public QDialog, public i18n::ChooserView {
  Q_OBJECT
 public:
  explicit LanguageChooserDialog(QWidget* owner);

  // The logic this window reports to; set before the window opens.
  void setChooser(i18n::LanguageChooser* chooser) { chooser_ = chooser; }

  QComboBox* combo() const { return combo_; }
  QPushButton* okButton() const { return ok_; }

  // ChooserView
  void processEvents() override;
  void setCaption(const std::string& text) override;
  void clearItems() override;
  void addItem(const std::string& text) override;
  void setEditText(const std::string& text) override;
  std::string editText() const override;
  std::optional<std::string> selectedItemText() const override;
  void close() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QComboBox* combo_;
  QPushButton* ok_;
  i18n::LanguageChooser* chooser_ = nullptr;
};

}  // namespace tavelor::qt

#pragma once

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "ui/about_help_texts.h"

namespace tavelor::qt {

// The About window: logo, title, version, description and a fixed information text.
// Its one button is both the default and the cancel button: OK, Enter and Escape close it.
class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  AboutDialog(const ui::AboutTexts& texts, QWidget* owner);
};

// The Help window: the help text and its closing lines. OK and Escape close it.
class HelpDialog : public QDialog {
  Q_OBJECT
 public:
  HelpDialog(const ui::HelpTexts& texts, QWidget* owner);
};

}  // namespace tavelor::qt

#pragma once

#include <string>

#include "i18n/language.h"

namespace tavelor::ui {

// The texts of the About window, read from the current language file each time it opens.
struct AboutTexts {
  std::string okCaption;    // okButton
  std::string caption;      // the window's title bar
  std::string title;        // titleLabel
  std::string version;      // versionLabel
  std::string description;  // descriptionLabel, lines joined by CR LF
  std::string info;         // infoLabel
};

// The texts of the Help window.
struct HelpTexts {
  std::string caption;      // the window's title bar
  std::string helpText;     // helpTextLabel
  std::string closingText;  // closingTextLabel
  std::string okCaption;    // okButton
};

// "Version " + major.minor.patch of this build + " - " + the language's name.
std::string versionLine(const std::string& currentLanguage);

AboutTexts buildAboutTexts(i18n::Language& language);
HelpTexts buildHelpTexts(i18n::Language& language);

}  // namespace tavelor::ui

#include "i18n/translate.h"

#include <string>

namespace tavelor::i18n {

void translate(LanguageModule& language, CaptionTarget& mainWindow) {
  const auto caption = [&](const char* control, const char* section, const std::string& key) {
    mainWindow.setCaption(control, language.GetINIFile(section, key));
  };

  caption("mnufile", "File", "0");
  caption("mnuopen", "File", "1");
  caption("mnusave", "File", "2");
  caption("mnufileprint", "File", "3");
  caption("mnufilequit", "File", "4");
  caption("mnulang", "language", "1");
  caption("mnuaide", "Help", "0");
  caption("mnuhlp", "Help", "1");
  caption("nmuabout", "Help", "2");
  caption("frmMain", "Label", "0");
  for (int n = 1; n <= 11; ++n) {
    const std::string number = std::to_string(n);
    caption(("Label" + number).c_str(), "Label", number);
  }
  mainWindow.setCaption("Lbmasse", language.GetINIFile("Label", "15") + " : ");
  mainWindow.setCaption("Lbca", language.GetINIFile("Label", "16") + " : ");
  for (int index = 0; index < 5; ++index) {
    // Looked up for each heading, as every text is read at the moment it is shown.
    mainWindow.setCaption("Trap" + std::to_string(index),
                          language.GetINIFile("Label", "12") + " " + std::to_string(index + 1));
  }
  caption("données", "Label", "13");
  caption("résultats", "Label", "14");
  caption("cmdCalcul", "Button", "1");
  mainWindow.setToolTip("cmdCalcul", language.GetINIFile("ToolTipText", "1"));
  caption("cmdClear", "Button", "2");
  caption("cmdprint", "Button", "3");
}

}  // namespace tavelor::i18n

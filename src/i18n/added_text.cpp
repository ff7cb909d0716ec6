#include "i18n/added_text.h"

namespace tavelor::i18n {

std::string addedText(Language& language, const std::string& section, const std::string& key) {
  std::string text = language.text(section, key);
  if (!text.empty() || language.currentLanguage == kEnglishLanguage) return text;
  // A copy reads the English file with the same folder and fault reporting, leaving the
  // chosen language untouched.
  Language english(language);
  english.setLanguage(kEnglishLanguage);
  return english.text(section, key);
}

}  // namespace tavelor::i18n

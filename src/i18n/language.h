#pragma once

#include <string>

#include "i18n/message_box.h"

namespace tavelor::i18n {

// The settings and language module: the three INI operations and the shared language state.
// One instance lives as long as the main window. Every read opens the file again (no cache), so
// a language file edited while the program runs is seen by the next lookup.
class LanguageModule {
 public:
  // programFolder: the folder of the executable, without a trailing separator.
  // faults: where a fault of the INI reader or writer is reported (critical box, title "tv").
  LanguageModule(std::string programFolder, MessageBoxes& faults);

  const std::string& programFolder() const { return programFolder_; }

  // fileName is joined to the program folder unchanged: callers pass kSeparator + name.
  // Values are returned as UTF-8, cut to 99 (GetINI) / 199 (GetINIFile) file characters.
  std::string GetINI(const std::string& section, const std::string& key,
                     const std::string& fileName);
  std::string GetINIFile(const std::string& section, const std::string& key);
  bool WriteINI(const std::string& section, const std::string& key, const std::string& value,
                const std::string& fileName);

  // Shared language state.
  std::string currentLanguage;
  std::string languageFile;  // kSeparator + currentLanguage + ".lng"
  bool firstStart = false;

  // Sets currentLanguage and, right after it, languageFile.
  void setLanguage(const std::string& name);

 private:
  std::string programFolder_;
  MessageBoxes& faults_;
};

}  // namespace tavelor::i18n

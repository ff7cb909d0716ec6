#pragma once

#include <cstddef>
#include <initializer_list>
#include <set>
#include <string>

#include "base/message_box.h"
#include "base/units.h"

namespace tavelor::i18n {

// A language text with its marks %1, %2 ... replaced by the values in turn.
std::string filled(std::string text, std::initializer_list<std::string> values);

// The one setting: the chosen language's name, in section "Langue", key "1" of tv.ini.
inline constexpr const char* kSettingsFileName = "tv.ini";
inline constexpr const char* kSettingsSection = "Langue";
inline constexpr const char* kSettingsKey = "1";
inline constexpr const char* kLanguageExtension = ".lng";
inline constexpr const char* kFallbackLanguage = "English";

// The text of the fault box of the INI operations: the errno number in decimal, directly followed
// by its description, then CR LF and the operation's name as the box has always shown it.
std::string faultText(int errorNumber, const std::string& description,
                      const std::string& operation);

// The settings and language module: the three INI operations and the shared language state.
// One instance lives as long as the main window. Every read opens the file again (no cache), so
// a language file edited while the program runs is seen by the next lookup.
//
// tv.ini lives in the program folder wherever the user may write it there (a portable install);
// otherwise (a system-wide install) in $XDG_CONFIG_HOME/tavelor, by default ~/.config/tavelor.
class Language {
 public:
  // One command or translation pass: while one lasts, a fault of a file is shown once, not at
  // every lookup; later lookups in the pass give the empty text silently. Passes may nest; the
  // outermost one counts.
  class Pass {
   public:
    explicit Pass(Language& language);
    ~Pass();
    Pass(const Pass&) = delete;
    Pass& operator=(const Pass&) = delete;

   private:
    Language& language_;
  };

  // programFolder: the folder of the executable, without a trailing separator.
  // faults: where a fault of the INI reader or writer is reported (critical box, title "Tavelor").
  Language(std::string programFolder, base::MessageBoxes& faults);

  const std::string& programFolder() const { return programFolder_; }

  // fileName is joined to the program folder unchanged: callers pass kSeparator + name.
  // Values are returned as UTF-8, cut to 99 (settings) / 199 (language texts) file characters.
  std::string readSetting(const std::string& section, const std::string& key,
                          const std::string& fileName);
  // A text of the current language file. The file missing or unreadable is a fault. The marks
  // {mm}, {g} and {dm²} in it become the symbols of the chosen units' length, mass and area.
  std::string text(const std::string& section, const std::string& key);
  // The same for texts newer than some language files: where the chosen file has none, the
  // English file's text.
  std::string textOrEnglish(const std::string& section, const std::string& key);
  bool writeSetting(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& fileName);

  // Shared language state.
  std::string currentLanguage;
  std::string languageFile;  // kSeparator + currentLanguage + ".lng"
  bool firstStart = false;
  base::Units units = base::Units::Metric;

  // Sets currentLanguage and, right after it, languageFile.
  void setLanguage(const std::string& name);

  // Reads and stores the chosen language in tv.ini. A stored name is a file name in the program
  // folder and nothing else: one with a path separator or "..", or naming no file there, reads
  // as no choice.
  std::string readStoredLanguage();
  bool storeLanguage(const std::string& name);
  // Any other setting of the user's, in the same tv.ini; a value may be a full path. A file that
  // cannot be read gives the empty text without a message.
  std::string readUserSetting(const std::string& section, const std::string& key);
  bool storeUserSetting(const std::string& section, const std::string& key,
                        const std::string& value);
  // The tv.ini that storeLanguage writes.
  std::string settingsPath() const;

 private:
  enum class IfMissing { Empty, Fault };
  bool namesLanguageFile(const std::string& name) const;
  std::string withUnits(std::string text) const;
  std::string read(const char* operation, const std::string& path, std::size_t capacity,
                   const std::string& section, const std::string& key, IfMissing ifMissing);
  bool write(const std::string& path, const std::string& section, const std::string& key,
             const std::string& value);
  void reportFault(int errorNumber, const std::string& description, const char* operation,
                   const std::string& path);

  std::string programFolder_;
  base::MessageBoxes& faults_;
  int passDepth_ = 0;
  std::set<std::string> faultyFiles_;  // reported in the current pass
};

}  // namespace tavelor::i18n

#include "i18n/language.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "base/file_read.h"
#include "base/ini_text.h"

namespace tavelor::i18n {
namespace {

// Buffer sizes of the two reads; a value is cut to one less (room for the terminating NUL).
constexpr std::size_t kSettingsCapacity = 100;
constexpr std::size_t kLanguageCapacity = 200;

// The operation names the fault box has always shown, one per kind of access.
constexpr const char* kSettingReadName = "GetINI";
constexpr const char* kTextReadName = "GetINIFile";
constexpr const char* kSettingWriteName = "WriteINI";

// The user's own tv.ini, or nothing without a home folder.
std::string userSettingsPath() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  std::string folder;
  if (config && config[0] == '/') {
    folder = config;
  } else if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
    folder = std::string(home) + "/.config";
  } else {
    return {};
  }
  return folder + "/tavelor/" + kSettingsFileName;
}

}  // namespace

Language::Pass::Pass(Language& language) : language_(language) {
  if (language_.passDepth_++ == 0) language_.faultyFiles_.clear();
}

Language::Pass::~Pass() { --language_.passDepth_; }

std::string faultText(int errorNumber, const std::string& description,
                      const std::string& operation) {
  return std::to_string(errorNumber) + description + "\r\n" + operation;
}

Language::Language(std::string programFolder, base::MessageBoxes& faults)
    : programFolder_(std::move(programFolder)), faults_(faults) {}

void Language::setLanguage(const std::string& name) {
  currentLanguage = name;
  languageFile = std::string(base::kSeparator) + currentLanguage + kLanguageExtension;
}

std::string Language::readSetting(const std::string& section, const std::string& key,
                                  const std::string& fileName) {
  return read(kSettingReadName, programFolder_ + fileName, kSettingsCapacity, section, key,
              IfMissing::Empty);
}

std::string Language::text(const std::string& section, const std::string& key) {
  // Before a language is set there is no file to read; the bare program folder is no file.
  if (languageFile.empty()) return {};
  return withUnits(read(kTextReadName, programFolder_ + languageFile, kLanguageCapacity, section,
                        key, IfMissing::Fault));
}

std::string Language::textOrEnglish(const std::string& section, const std::string& key) {
  std::string found = text(section, key);
  if (!found.empty() || languageFile.empty() || currentLanguage == kFallbackLanguage) return found;
  const std::string english =
      programFolder_ + base::kSeparator + kFallbackLanguage + kLanguageExtension;
  return withUnits(read(kTextReadName, english, kLanguageCapacity, section, key, IfMissing::Empty));
}

std::string filled(std::string text, std::initializer_list<std::string> values) {
  int n = 0;
  for (const std::string& value : values) {
    const std::string mark = "%" + std::to_string(++n);
    if (const auto at = text.find(mark); at != std::string::npos) {
      text.replace(at, mark.size(), value);
    }
  }
  return text;
}

std::string Language::withUnits(std::string text) const {
  for (const auto& [mark, quantity] : {std::pair{std::string_view("{mm}"), base::Quantity::Length},
                                       {"{g}", base::Quantity::Mass},
                                       {"{dm\u00b2}", base::Quantity::Area}}) {
    for (auto at = text.find(mark); at != std::string::npos; at = text.find(mark, at)) {
      const std::string_view symbol = base::unitSymbol(quantity, units);
      text.replace(at, mark.size(), symbol);
      at += symbol.size();
    }
  }
  return text;
}

bool Language::writeSetting(const std::string& section, const std::string& key,
                            const std::string& value, const std::string& fileName) {
  return write(programFolder_ + fileName, section, key, value);
}

bool Language::write(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) {
  constexpr const char* kOperation = kSettingWriteName;
  // A text the code page cannot hold would be stored as "?" and never read back as written.
  if (!base::fitsCp1252(section) || !base::fitsCp1252(key) || !base::fitsCp1252(value)) {
    reportFault(EILSEQ, std::generic_category().message(EILSEQ), kOperation, path);
    return false;
  }
  const base::FileRead current = base::readWholeFile(path);
  if (current.status == base::ReadStatus::Fault) {
    reportFault(current.errorNumber, current.errorText, kOperation, path);
    return false;
  }
  const auto updated = base::setIniValue(current.bytes, base::encodeCp1252(section),
                                         base::encodeCp1252(key), base::encodeCp1252(value));
  if (!updated) {
    reportFault(EINVAL, std::generic_category().message(EINVAL), kOperation, path);
    return false;
  }
  std::string errorText;
  int errorNumber = 0;
  if (!base::replaceFileAtomically(path, *updated, &errorText, &errorNumber)) {
    reportFault(errorNumber, errorText, kOperation, path);
    return false;
  }
  return true;
}

std::string Language::settingsPath() const {
  const std::string inProgramFolder = programFolder_ + base::kSeparator + kSettingsFileName;
  if (base::mayReplaceFile(inProgramFolder)) return inProgramFolder;
  const std::string own = userSettingsPath();
  return own.empty() ? inProgramFolder : own;
}

bool Language::namesLanguageFile(const std::string& name) const {
  if (name.empty() || name.find_first_of("/\\") != std::string::npos ||
      name.find("..") != std::string::npos) {
    return false;
  }
  const std::string path = programFolder_ + base::kSeparator + name + kLanguageExtension;
  return ::access(path.c_str(), F_OK) == 0;
}

std::string Language::readStoredLanguage() {
  const std::string path = settingsPath();
  std::string stored = read(kSettingReadName, path, kSettingsCapacity, kSettingsSection,
                            kSettingsKey, IfMissing::Empty);
  // Until the user chooses, a system-wide install offers the program folder's choice.
  const std::string inProgramFolder = std::string(base::kSeparator) + kSettingsFileName;
  if (stored.empty() && path != programFolder_ + inProgramFolder) {
    stored = readSetting(kSettingsSection, kSettingsKey, inProgramFolder);
  }
  return namesLanguageFile(stored) ? stored : std::string();
}

bool Language::storeLanguage(const std::string& name) {
  return storeUserSetting(kSettingsSection, kSettingsKey, name);
}

std::string Language::readUserSetting(const std::string& section, const std::string& key) {
  // Silent: a tv.ini that cannot be read has been reported when the language was read from it.
  constexpr std::size_t kPathCapacity = 4095;
  const base::FileRead file = base::readWholeFile(settingsPath());
  if (file.status != base::ReadStatus::Ok) return {};
  return base::decodeCp1252(base::readIniValue(file.bytes, base::encodeCp1252(section),
                                               base::encodeCp1252(key), kPathCapacity));
}

bool Language::storeUserSetting(const std::string& section, const std::string& key,
                                const std::string& value) {
  const std::string path = settingsPath();
  std::error_code ignored;  // a folder that cannot be made shows as the write's own fault
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
  return write(path, section, key, value);
}

std::string Language::read(const char* operation, const std::string& path, std::size_t capacity,
                           const std::string& section, const std::string& key,
                           IfMissing ifMissing) {
  const base::FileRead file = base::readWholeFile(path);
  if (file.status == base::ReadStatus::Fault) {
    reportFault(file.errorNumber, file.errorText, operation, path);
    return {};
  }
  if (file.status == base::ReadStatus::Missing) {
    // The current language file was there when chosen; gone now, it is a fault to report.
    if (ifMissing == IfMissing::Fault) {
      reportFault(ENOENT, std::generic_category().message(ENOENT), operation, path);
    }
    return {};
  }
  // The cut counts the file's own 8-bit characters, so it happens before decoding.
  return base::decodeCp1252(base::readIniValue(file.bytes, base::encodeCp1252(section),
                                               base::encodeCp1252(key), capacity));
}

void Language::reportFault(int errorNumber, const std::string& description, const char* operation,
                           const std::string& path) {
  if (passDepth_ > 0 && !faultyFiles_.insert(path).second) return;
  faults_.showMessage(faultText(errorNumber, description, operation), base::kAppTitle,
                      base::Icon::Critical, base::Buttons::Ok);
}

}  // namespace tavelor::i18n

#include "i18n/language.h"

#include <cerrno>
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

}  // namespace

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
  return read(kSettingReadName, programFolder_ + fileName, kSettingsCapacity, section, key);
}

std::string Language::text(const std::string& section, const std::string& key) {
  // Before a language is set there is no file to read; the bare program folder is no file.
  if (languageFile.empty()) return {};
  return read(kTextReadName, programFolder_ + languageFile, kLanguageCapacity, section, key);
}

std::string Language::textOrEnglish(const std::string& section, const std::string& key) {
  std::string found = text(section, key);
  if (!found.empty() || languageFile.empty() || currentLanguage == kFallbackLanguage) return found;
  const std::string english =
      programFolder_ + base::kSeparator + kFallbackLanguage + kLanguageExtension;
  return read(kTextReadName, english, kLanguageCapacity, section, key);
}

bool Language::writeSetting(const std::string& section, const std::string& key,
                            const std::string& value, const std::string& fileName) {
  constexpr const char* kOperation = kSettingWriteName;
  const std::string path = programFolder_ + fileName;
  // A text the code page cannot hold would be stored as "?" and never read back as written.
  if (!base::fitsCp1252(section) || !base::fitsCp1252(key) || !base::fitsCp1252(value)) {
    reportFault(EILSEQ, std::generic_category().message(EILSEQ), kOperation);
    return false;
  }
  const base::FileRead current = base::readWholeFile(path);
  if (current.status == base::ReadStatus::Fault) {
    reportFault(current.errorNumber, current.errorText, kOperation);
    return false;
  }
  const auto updated = base::setIniValue(current.bytes, base::encodeCp1252(section),
                                         base::encodeCp1252(key), base::encodeCp1252(value));
  if (!updated) {
    reportFault(EINVAL, std::generic_category().message(EINVAL), kOperation);
    return false;
  }
  std::string errorText;
  int errorNumber = 0;
  if (!base::replaceFileAtomically(path, *updated, &errorText, &errorNumber)) {
    reportFault(errorNumber, errorText, kOperation);
    return false;
  }
  return true;
}

std::string Language::readStoredLanguage() {
  return readSetting(kSettingsSection, kSettingsKey,
                     std::string(base::kSeparator) + kSettingsFileName);
}

bool Language::storeLanguage(const std::string& name) {
  return writeSetting(kSettingsSection, kSettingsKey, name,
                      std::string(base::kSeparator) + kSettingsFileName);
}

std::string Language::read(const char* operation, const std::string& path, std::size_t capacity,
                           const std::string& section, const std::string& key) {
  const base::FileRead file = base::readWholeFile(path);
  if (file.status == base::ReadStatus::Fault) {
    reportFault(file.errorNumber, file.errorText, operation);
    return {};
  }
  if (file.status == base::ReadStatus::Missing) return {};
  // The cut counts the file's own 8-bit characters, so it happens before decoding.
  return base::decodeCp1252(base::readIniValue(file.bytes, base::encodeCp1252(section),
                                               base::encodeCp1252(key), capacity));
}

void Language::reportFault(int errorNumber, const std::string& description, const char* operation) {
  faults_.showMessage(faultText(errorNumber, description, operation), base::kAppTitle,
                      base::Icon::Critical, base::Buttons::Ok);
}

}  // namespace tavelor::i18n

#include "i18n/language.h"

#include <cerrno>
#include <system_error>
#include <utility>

#include "i18n/atomic_file.h"
#include "i18n/cp1252.h"
#include "i18n/file_read.h"
#include "i18n/ini_text.h"

namespace tavelor::i18n {
namespace {

// Buffer sizes of the two reads; a value is cut to one less (room for the terminating NUL).
constexpr std::size_t kSettingsCapacity = 100;
constexpr std::size_t kLanguageCapacity = 200;

}  // namespace

std::string faultText(int errorNumber, const std::string& description,
                      const std::string& operation) {
  return std::to_string(errorNumber) + description + "\r\n" + operation;
}

LanguageModule::LanguageModule(std::string programFolder, MessageBoxes& faults)
    : programFolder_(std::move(programFolder)), faults_(faults) {}

void LanguageModule::setLanguage(const std::string& name) {
  currentLanguage = name;
  languageFile = std::string(kSeparator) + currentLanguage + kLanguageExtension;
}

std::string LanguageModule::GetINI(const std::string& section, const std::string& key,
                                   const std::string& fileName) {
  return read("GetINI", programFolder_ + fileName, kSettingsCapacity, section, key);
}

std::string LanguageModule::GetINIFile(const std::string& section, const std::string& key) {
  // Before a language is set there is no file to read; the bare program folder is no file.
  if (languageFile.empty()) return {};
  return read("GetINIFile", programFolder_ + languageFile, kLanguageCapacity, section, key);
}

bool LanguageModule::WriteINI(const std::string& section, const std::string& key,
                              const std::string& value, const std::string& fileName) {
  constexpr const char* kOperation = "WriteINI";
  const std::string path = programFolder_ + fileName;
  // A text the code page cannot hold would be stored as "?" and never read back as written.
  if (!fitsCp1252(section) || !fitsCp1252(key) || !fitsCp1252(value)) {
    reportFault(EILSEQ, std::generic_category().message(EILSEQ), kOperation);
    return false;
  }
  const FileRead current = readWholeFile(path);
  if (current.status == ReadStatus::Fault) {
    reportFault(current.errorNumber, current.errorText, kOperation);
    return false;
  }
  const auto updated =
      setIniValue(current.bytes, encodeCp1252(section), encodeCp1252(key), encodeCp1252(value));
  if (!updated) {
    reportFault(EINVAL, std::generic_category().message(EINVAL), kOperation);
    return false;
  }
  std::string errorText;
  int errorNumber = 0;
  if (!replaceFileAtomically(path, *updated, &errorText, &errorNumber)) {
    reportFault(errorNumber, errorText, kOperation);
    return false;
  }
  return true;
}

std::string LanguageModule::readStoredLanguage() {
  return GetINI(kSettingsSection, kSettingsKey, std::string(kSeparator) + kSettingsFileName);
}

bool LanguageModule::storeLanguage(const std::string& name) {
  return WriteINI(kSettingsSection, kSettingsKey, name,
                  std::string(kSeparator) + kSettingsFileName);
}

std::string LanguageModule::read(const char* operation, const std::string& path,
                                 std::size_t capacity, const std::string& section,
                                 const std::string& key) {
  const FileRead file = readWholeFile(path);
  if (file.status == ReadStatus::Fault) {
    reportFault(file.errorNumber, file.errorText, operation);
    return {};
  }
  if (file.status == ReadStatus::Missing) return {};
  // The cut counts the file's own 8-bit characters, so it happens before decoding.
  return decodeCp1252(readIniValue(file.bytes, encodeCp1252(section), encodeCp1252(key), capacity));
}

void LanguageModule::reportFault(int errorNumber, const std::string& description,
                                 const char* operation) {
  faults_.showMessage(faultText(errorNumber, description, operation), kAppTitle, Icon::Critical,
                      Buttons::Ok);
}

}  // namespace tavelor::i18n

#include "files/file_commands.h"

#include <algorithm>
#include <cerrno>
#include <limits>
#include <optional>
#include <system_error>
#include <utility>

#include "calc/calculate.h"
#include "calc/inputs.h"
#include "files/wing_file_format.h"
#include "i18n/atomic_file.h"
#include "i18n/cp1252.h"
#include "i18n/file_read.h"

namespace tavelor::files {
namespace {

// A failed file operation as the user is told about it.
struct FileError {
  int number = 0;
  std::string description;
};

std::optional<FileError> readWingFile(const std::string& path, std::string& bytes) {
  auto read = i18n::readWholeFile(path, kMaxWingFileBytes);
  switch (read.status) {
    case i18n::ReadStatus::Ok:
      bytes = std::move(read.bytes);
      return std::nullopt;
    case i18n::ReadStatus::Missing:
      return FileError{ENOENT, std::generic_category().message(ENOENT)};
    case i18n::ReadStatus::Fault:
      break;
  }
  if (read.errorNumber == EFBIG) return FileError{EFBIG, kTooLargeText};
  return FileError{read.errorNumber, read.errorText};
}

std::optional<FileError> saveWingFile(const std::string& path, std::string_view bytes) {
  FileError error;
  if (i18n::replaceFileAtomically(path, bytes, &error.description, &error.number)) {
    return std::nullopt;
  }
  return error;
}

std::string message(i18n::LanguageModule& language, const char* key) {
  return language.GetINIFile("Message", key);
}

std::string programTitle(i18n::LanguageModule& language) {
  return language.GetINIFile("Label", "0");
}

FileDialogRequest dialogRequest(i18n::LanguageModule& language, const char* titleKey) {
  FileDialogRequest request;
  request.title = message(language, titleKey);
  request.filterText = message(language, "5") + " (*.txt)";
  request.filterPattern = "*.txt";
  request.initialFolder = language.programFolder();
  request.defaultExtension = "txt";
  return request;
}

void reportFileError(WingFileState& files, FileWindow& window, i18n::LanguageModule& language,
                     const FileError& error) {
  const std::string title = programTitle(language);
  files.fileErrorText = message(language, "8") + " # " + std::to_string(error.number) + " " +
                        message(language, "9") + " " + title + "\r" + error.description;
  window.showMessage(files.fileErrorText, title, i18n::Icon::Information, i18n::Buttons::Ok);
}

// Reduces currentFileName to the bare name and shows it in the caption.
void showFileName(WingFileState& files, FileWindow& window, i18n::LanguageModule& language) {
  LenMonFichier(files, files.currentFileName);
  files.currentFileName =
      files.currentFileName.substr(static_cast<std::size_t>(files.lastSeparatorPos));
  window.setWindowCaption(programTitle(language) + " - " + message(language, "5") + " : " +
                          files.currentFileName);
}

// Fills the fields record by record; a later record replaces an earlier one. Every line goes in
// as if typed, so a tip chord's change copies into the next root chord.
std::optional<FileError> loadRecords(std::string_view bytes, FileWindow& window) {
  const FileError pastEnd{kReadPastEndError, kReadPastEndText};
  LineReader lines(bytes);
  while (!lines.atEnd()) {
    const auto header = *lines.readLine();
    for (std::size_t i = 0; i + 1 < kFileFields.size(); ++i) {
      const auto line = lines.readLine();
      if (!line) return pastEnd;
      window.setFieldText(kFileFields[i].field, kFileFields[i].index, i18n::decodeCp1252(*line));
    }
    const auto mass = lines.readLine();
    if (!mass) return pastEnd;
    if (header.substr(0, kMassMark.size()) == kMassMark) {
      window.setFieldText(calc::Field::masse, 0, i18n::decodeCp1252(*mass));
    }
  }
  return std::nullopt;
}

}  // namespace

void LenMonFichier(WingFileState& files, const std::string& leFichierReccerche) {
  // Paths are far shorter than the position's range; clamp rather than wrap if one is not.
  const std::size_t limit = static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max());
  std::size_t position = std::min(leFichierReccerche.size(), limit);
  while (position > 0 && leFichierReccerche[position - 1] != i18n::kSeparator[0]) --position;
  files.lastSeparatorPos = static_cast<std::int16_t>(position);
}

void mnusave_Click(WingFileState& files, const calc::WingState& state, FileWindow& window,
                   i18n::LanguageModule& language) {
  if (!state.resultsValid) {
    window.showMessage(message(language, "3"), message(language, "4"), i18n::Icon::Warning,
                       i18n::Buttons::Ok);
    return;
  }
  auto request = dialogRequest(language, "4");
  request.confirmOverwrite = true;
  const auto chosen = window.askSaveFileName(request);
  if (!chosen) return;
  files.currentFileName = *chosen;

  if (const auto error = saveWingFile(files.currentFileName, wingFileBytes(window))) {
    reportFileError(files, window, language, *error);
    return;
  }
  window.showMessage(message(language, "6") + files.currentFileName, i18n::kAppTitle,
                     i18n::Icon::None, i18n::Buttons::Ok);
  showFileName(files, window, language);
}

bool mnuopen_Click(WingFileState& files, calc::WingState& state, FileWindow& window,
                   i18n::LanguageModule& language) {
  auto request = dialogRequest(language, "7");
  request.mustExist = true;
  const auto chosen = window.askOpenFileName(request);
  if (!chosen) return false;
  files.currentFileName = *chosen;

  calc::clearInputs(state, window, language);
  std::string bytes;
  auto error = readWingFile(files.currentFileName, bytes);
  if (!error) error = loadRecords(bytes, window);
  if (error) {
    reportFileError(files, window, language, *error);
    return false;
  }
  const bool resultsStand = calc::calculate(state, window, language);
  showFileName(files, window, language);
  return resultsStand;
}

}  // namespace tavelor::files

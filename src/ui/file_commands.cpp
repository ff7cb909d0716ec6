// The wing data file commands of the main form: Save, Save as, Open and the recent files.
#include <algorithm>
#include <cctype>

#include "base/cp1252.h"
#include "base/file_read.h"
#include "ui/main_form.h"
#include "ui/wing_inputs.h"

namespace tavelor::ui {

namespace {

constexpr const char* kRecentSection = "Recent";
constexpr std::size_t kRecentCount = 5;

}  // namespace

std::string filterExtension(const std::string& filter) {
  const auto star = filter.find("*.");
  if (star == std::string::npos) return {};
  const auto end = std::find_if(filter.begin() + star + 2, filter.end(),
                                [](unsigned char c) { return !std::isalnum(c) && c != '_'; });
  return std::string(filter.begin() + star + 2, end);
}

std::optional<std::string> withChosenExtension(const FileDialogRequest& request,
                                               const std::string& path,
                                               const std::string& chosenFilter) {
  const auto lower = [](std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
  };
  const std::string name = base::fileNameOf(path);
  const auto dot = name.rfind('.');
  const std::string own = lower(dot == std::string::npos ? "" : name.substr(dot + 1));
  std::size_t filters = 0;
  for (std::size_t at = 0; at != std::string::npos; ++filters) {
    const auto next = request.filterText.find(";;", at);
    const std::string filter = request.filterText.substr(at, next - at);
    if (!own.empty() && lower(filterExtension(filter)) == own) return std::nullopt;
    at = next == std::string::npos ? next : next + 2;
  }
  if (filters < 2) return std::nullopt;
  return path + "." + filterExtension(chosenFilter);
}

FileDialogRequest MainForm::wingFileRequest(const char* titleKey) {
  FileDialogRequest request;
  auto& language = language_;
  request.title = language.text("Message", titleKey);
  request.filterText = language.text("Message", "5") + " (*.txt)";
  request.initialFolder = startFolder();
  request.defaultExtension = "txt";
  return request;
}

std::string MainForm::startFolder() const {
  return lastFolder_.empty() ? window_.documentsFolder() : lastFolder_;
}

std::string fileErrorText(i18n::Language& language, const files::FileError& error) {
  return language.text("Message", "8") + " # " + std::to_string(error.number) + " " +
         language.text("Message", "9") + " " + language.text("Label", "0") + "\r" +
         error.description;
}

void MainForm::reportFileError(const files::FileError& error) {
  window_.showMessage(fileErrorText(language_, error), language_.text("Label", "0"),
                      base::Icon::Information, base::Buttons::Ok);
}

void MainForm::showFileName(const std::string& path) {
  window_.setWindowTitle(language_.text("Label", "0") + " - " + language_.text("Message", "5") +
                         " : " + base::fileNameOf(path));
  lastWingFile_ = path;
  rememberFile(path);
}

void MainForm::rememberFile(const std::string& path) {
  lastFolder_ = base::folderOf(path);
  // tv.ini holds Windows-1252 text: a path it cannot hold stays off the list.
  if (!base::fitsCp1252(path)) return;
  std::erase(recentFiles_, path);
  recentFiles_.insert(recentFiles_.begin(), path);
  if (recentFiles_.size() > kRecentCount) recentFiles_.resize(kRecentCount);
  storeRecentFiles();
}

void MainForm::storeRecentFiles() {
  for (std::size_t i = 0; i < kRecentCount; ++i) {
    const std::string value = i < recentFiles_.size() ? recentFiles_[i] : std::string();
    const std::string key = std::to_string(i + 1);
    if (language_.readUserSetting(kRecentSection, key) != value &&
        !language_.storeUserSetting(kRecentSection, key, value)) {
      break;  // the fault has been shown once
    }
  }
  window_.showRecentFiles(recentFiles_);
}

void MainForm::loadRecentFiles() {
  recentFiles_.clear();
  for (std::size_t i = 1; i <= kRecentCount; ++i) {
    std::string path = language_.readUserSetting(kRecentSection, std::to_string(i));
    if (!path.empty() && std::ranges::find(recentFiles_, path) == recentFiles_.end()) {
      recentFiles_.push_back(std::move(path));
    }
  }
  if (!recentFiles_.empty()) lastFolder_ = base::folderOf(recentFiles_.front());
  window_.showRecentFiles(recentFiles_);
}

void MainForm::saveWingAs() {
  const i18n::Language::Pass pass(language_);
  saveWing();
}

void MainForm::saveWingFile() {
  const i18n::Language::Pass pass(language_);
  saveToCurrentFile();
}

bool MainForm::saveToCurrentFile() {
  return lastWingFile_.empty() ? saveWing() : figuresReady() && writeWing(lastWingFile_);
}

bool MainForm::saveWing() {
  // The file holds the inputs of the figures: calculated first when they are not current.
  if (!figuresReady()) return false;
  auto request = wingFileRequest("4");
  request.confirmOverwrite = true;
  // The file the wing came from, offered again: Save as names a new file from there.
  request.proposedName = base::fileNameOf(lastWingFile_);
  const auto path = window_.askSaveFileName(request);
  return path && writeWing(*path);
}

bool MainForm::writeWing(const std::string& path) {
  if (const auto error = files::writeFileBytes(path, files::wingDocumentBytes(document()))) {
    reportFileError(*error);
    return false;
  }
  keepInputs();
  window_.showStatus(language_.text("Message", "6") + path);
  showFileName(path);
  return true;
}

void MainForm::openWingFile() {
  const i18n::Language::Pass pass(language_);
  if (!offerToSaveChanges()) return;
  auto request = wingFileRequest("7");
  request.mustExist = true;
  const auto path = window_.askOpenFileName(request);
  if (path) openWingFile(*path);
}

void MainForm::openRecentFile(const std::string& path) {
  const i18n::Language::Pass pass(language_);
  if (!files::readWingDocument(path).document) {
    warn(language_.textOrEnglish("Message", "missingFile") + "\r\n" + path);
    std::erase(recentFiles_, path);
    storeRecentFiles();
    return;
  }
  if (offerToSaveChanges()) openWingFile(path);
}

void MainForm::openWingFile(const std::string& path) {
  const i18n::Language::Pass pass(language_);
  // Nothing typed is thrown away for a file that cannot be read at all.
  const files::WingFileReading file = files::readWingDocument(path);
  if (!file.document) {
    reportFileError(*file.error);
    return;
  }
  clearInputs();
  // The command line reads a file into the same texts. A root chord after panel 1 holds the tip
  // chord before it already, so the window's own copy on each tip chord's change keeps it.
  showFieldTexts(openedTexts(*file.document));
  stabilityTexts_ = file.document->tail;
  ribLines_ = file.document->ribs;
  keepInputs();
  if (file.error) {
    reportFileError(*file.error);
    return;
  }
  calculate();
  showFileName(path);
}

}  // namespace tavelor::ui

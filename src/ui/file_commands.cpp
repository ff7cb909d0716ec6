// The wing data file commands of the main form: Save as and Open.
#include "ui/main_form.h"
#include "ui/wing_inputs.h"

namespace tavelor::ui {

FileDialogRequest MainForm::wingFileRequest(const char* titleKey) {
  FileDialogRequest request;
  auto& language = language_;
  request.title = language.text("Message", titleKey);
  request.filterText = language.text("Message", "5") + " (*.txt)";
  request.initialFolder = language.programFolder();
  request.defaultExtension = "txt";
  return request;
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
  const auto separator = path.rfind(base::kSeparator[0]);
  const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  window_.setWindowTitle(language_.text("Label", "0") + " - " + language_.text("Message", "5") +
                         " : " + name);
  lastWingFile_ = path;
}

void MainForm::saveWingAs() {
  const i18n::Language::Pass pass(language_);
  saveWing();
}

bool MainForm::saveWing() {
  // The file holds the inputs of the figures: calculated first when they are not current.
  if (!figuresReady()) return false;
  auto request = wingFileRequest("4");
  request.confirmOverwrite = true;
  const auto path = window_.askSaveFileName(request);
  if (!path) return false;
  if (const auto error = files::writeFileBytes(*path, files::wingDocumentBytes(document()))) {
    reportFileError(*error);
    return false;
  }
  keepInputs();
  window_.showMessage(language_.text("Message", "6") + *path, base::kAppTitle, base::Icon::None,
                      base::Buttons::Ok);
  showFileName(*path);
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
  keepInputs();
  if (file.error) {
    reportFileError(*file.error);
    return;
  }
  calculate();
  showFileName(path);
}

}  // namespace tavelor::ui

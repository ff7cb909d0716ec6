// The main window's modal dialogs: message boxes, the text prompt, the file dialogs and the
// secondary windows.
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>
#include <utility>

#include "i18n/language_chooser.h"
#include "qt/about_help_dialogs.h"
#include "qt/language_chooser_dialog.h"
#include "qt/main_window.h"
#include "qt/rib_dialog.h"
#include "qt/stability_dialog.h"
#include "qt/text.h"

namespace tavelor::qt {

namespace {

QMessageBox::Icon toQtIcon(base::Icon icon) {
  switch (icon) {
    case base::Icon::Warning:
      return QMessageBox::Warning;
    case base::Icon::Critical:
      return QMessageBox::Critical;
    case base::Icon::Information:
      return QMessageBox::Information;
    case base::Icon::Question:
      return QMessageBox::Question;
    case base::Icon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QString titleOrDefault(const std::string& title) {
  return toQ(title.empty() ? std::string(base::kAppTitle) : title);
}

}  // namespace

base::Answer MainWindow::showMessage(const std::string& text, const std::string& title,
                                     base::Icon icon, base::Buttons buttons) {
  QMessageBox box(this);
  box.setObjectName(QStringLiteral("messageBox"));
  box.setIcon(toQtIcon(icon));
  box.setWindowTitle(titleOrDefault(title));
  box.setTextFormat(Qt::PlainText);
  box.setText(displayLines(text));
  if (buttons == base::Buttons::YesNoCancel) {
    // Qt's own buttons, with the language file's words on them.
    const std::pair<QMessageBox::StandardButton, const char*> choices[] = {
        {QMessageBox::Yes, "5"}, {QMessageBox::No, "6"}, {QMessageBox::Cancel, "7"}};
    for (const auto& [standard, key] : choices) {
      QPushButton* button = box.addButton(standard);
      const std::string caption = form_->language().textOrEnglish("Button", key);
      if (!caption.empty()) button->setText(toQ(caption));
    }
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    box.exec();
    const auto clicked = box.standardButton(box.clickedButton());
    return clicked == QMessageBox::Yes  ? base::Answer::Yes
           : clicked == QMessageBox::No ? base::Answer::No
                                        : base::Answer::Cancel;
  }
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  QPushButton* cancel = nullptr;
  if (buttons == base::Buttons::OkCancel) cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(ok);
  box.setEscapeButton(cancel ? cancel : ok);
  box.exec();
  return cancel && box.clickedButton() == cancel ? base::Answer::Cancel : base::Answer::Ok;
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Quit has asked already; the close control asks now.
  if (endRequested_ || form_->mayCloseWindow()) {
    event->accept();
  } else {
    event->ignore();
  }
}

std::string MainWindow::promptText(const std::string& prompt, const std::string& title,
                                   const std::string& proposed) {
  QInputDialog dialog(this);
  dialog.setObjectName(QStringLiteral("prompt"));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(titleOrDefault(title));
  dialog.setLabelText(displayLines(prompt));
  dialog.setTextValue(toQ(proposed));
  if (dialog.exec() != QDialog::Accepted) return {};
  return fromQ(dialog.textValue());
}

std::optional<std::string> MainWindow::askFileName(const ui::FileDialogRequest& request,
                                                   bool save) {
  QFileDialog dialog(this, toQ(request.title), toQ(request.initialFolder), toQ(request.filterText));
  dialog.setObjectName(save ? QStringLiteral("saveDialog") : QStringLiteral("openDialog"));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDefaultSuffix(toQ(request.defaultExtension));
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
  if (!request.proposedName.empty()) dialog.selectFile(toQ(request.proposedName));
  // With several filters a name typed without extension takes the chosen filter's.
  if (save) {
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
      dialog.setDefaultSuffix(toQ(ui::filterExtension(fromQ(filter))));
    });
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
  QString path = chosen.front();
  if (const auto added =
          save ? ui::withChosenExtension(request, fromQ(path), fromQ(dialog.selectedNameFilter()))
               : std::nullopt) {
    // The dialog never saw that name, so the overwrite question is asked here.
    path = toQ(*added);
    if (request.confirmOverwrite && QFileInfo::exists(path) &&
        QMessageBox::question(this, toQ(request.title),
                              QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                  .arg(QFileInfo(path).fileName())) != QMessageBox::Yes) {
      return std::nullopt;
    }
  }
  return fromQ(path);
}

std::optional<std::string> MainWindow::askSaveFileName(const ui::FileDialogRequest& request) {
  return askFileName(request, true);
}

std::optional<std::string> MainWindow::askOpenFileName(const ui::FileDialogRequest& request) {
  return askFileName(request, false);
}

void MainWindow::showLanguageChooser(i18n::Language& language) {
  LanguageChooserDialog dialog(this);
  i18n::LanguageChooser chooser(language, *this, dialog);
  dialog.setChooser(&chooser);
  chooser.open();
  dialog.exec();
}

void MainWindow::showAbout(const ui::AboutTexts& texts) {
  AboutDialog dialog(texts, this);
  dialog.exec();
}

void MainWindow::showHelp(const ui::HelpTexts& texts) {
  HelpDialog dialog(texts, this);
  dialog.exec();
}

void MainWindow::showStability(ui::StabilityForm& form) {
  StabilityDialog dialog(form, this);
  dialog.exec();
}

void MainWindow::showRibs(ui::RibForm& form) {
  RibDialog dialog(form, this);
  dialog.exec();
}

}  // namespace tavelor::qt

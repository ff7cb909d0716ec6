// The main window's part in the file commands: the status line, File's recent files, the folder
// the dialogs start in, and the toolkit's own texts in the chosen language.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QStatusBar>

#include "qt/main_window.h"
#include "qt/pdf_destination.h"

namespace tavelor::qt {

void MainWindow::showStatus(const std::string& text) { statusBar()->showMessage(toQ(text)); }

std::string MainWindow::documentsFolder() const {
  return QFile::encodeName(qt::documentsFolder()).toStdString();
}

void MainWindow::showRecentFiles(const std::vector<std::string>& paths) {
  for (QAction* item : recentItems_) delete item;
  recentItems_.clear();
  int number = 0;
  for (const std::string& path : paths) {
    // "&1 trainer.txt": the number is the access key; the full path shows as the tip.
    const QString shown = QDir::toNativeSeparators(toQ(path));
    auto* item = new QAction(
        QStringLiteral("&%1 %2").arg(++number).arg(QFileInfo(shown).fileName()), fileMenu_);
    item->setObjectName(QStringLiteral("recentItem%1").arg(number));
    item->setToolTip(shown);
    item->setStatusTip(shown);
    connect(item, &QAction::triggered, this, [this, path] { form_->openRecentFile(path); });
    fileMenu_->insertAction(quitSeparator_, item);
    recentItems_.push_back(item);
  }
  if (!recentItems_.empty()) {
    recentItems_.push_back(fileMenu_->insertSeparator(recentItems_.front()));
  }
}

void MainWindow::useLocale(const std::string& locale) {
  // The date on the sheet and the toolkit's dialogs and buttons follow the language.
  // The system's own form of that language where it is the system's (en_GB, de_AT...).
  QLocale chosen = locale.empty() ? QLocale::system() : QLocale(toQ(locale));
  if (chosen.language() == QLocale::system().language()) chosen = QLocale::system();
  QLocale::setDefault(chosen);
  for (const auto& translator : translators_) QApplication::removeTranslator(translator.get());
  translators_.clear();
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  for (const char* catalogue : {"qtbase", "qt"}) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(chosen, QString::fromLatin1(catalogue), QStringLiteral("_"), folder)) {
      QApplication::installTranslator(translator.get());
      translators_.push_back(std::move(translator));
    }
  }
}

}  // namespace tavelor::qt

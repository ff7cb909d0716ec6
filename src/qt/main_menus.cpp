// The main window's menu bar: each entry runs one command of the main form.
#include <QMenuBar>

#include "qt/main_window.h"

namespace tavelor::qt {

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  auto addMenu = [&](const char* name) {
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    captionSetters_[name] = [menu](const QString& text) { menu->setTitle(text); };
    return menu;
  };
  auto addItem = [&](QMenu* menu, const char* name, void (ui::MainForm::*command)()) {
    QAction* action = menu ? menu->addAction(QString()) : bar->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    captionSetters_[name] = [action](const QString& caption) { action->setText(caption); };
    connect(action, &QAction::triggered, this, [this, command] { (form_.get()->*command)(); });
  };

  QMenu* file = addMenu("fileMenu");
  addItem(file, "openItem", &ui::MainForm::openWingFile);
  addItem(file, "saveItem", &ui::MainForm::saveWingAs);
  file->addSeparator();
  addItem(file, "printItem", &ui::MainForm::printSheet);
  addItem(file, "templateItem", &ui::MainForm::printTemplate);
  addItem(file, "exportItem", &ui::MainForm::exportOutline);
  file->addSeparator();
  addItem(file, "quitItem", &ui::MainForm::quit);
  // The language menu has no entries: choosing its title opens the chooser.
  addItem(nullptr, "languageItem", &ui::MainForm::chooseLanguage);
  QMenu* tools = addMenu("toolsMenu");
  addItem(tools, "stabilityItem", &ui::MainForm::showStability);
  QMenu* help = addMenu("helpMenu");
  addItem(help, "helpItem", &ui::MainForm::showHelp);
  help->addSeparator();
  addItem(help, "aboutItem", &ui::MainForm::showAbout);

  captionSetters_["mainWindow"] = [this](const QString& text) {
    QMainWindow::setWindowTitle(text);
  };
}

}  // namespace tavelor::qt

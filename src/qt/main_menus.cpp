// The main window's menu bar: each entry runs one command of the main form.
#include <QActionGroup>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>
#include <utility>

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
  auto addItem = [&](QMenu* menu, const char* name, void (ui::MainForm::*command)(),
                     QKeySequence keys = {}) {
    QAction* action = menu ? menu->addAction(QString()) : bar->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    captionSetters_[name] = [action](const QString& caption) { action->setText(caption); };
    connect(action, &QAction::triggered, this, [this, command] { (form_.get()->*command)(); });
  };

  QMenu* file = addMenu("fileMenu");
  fileMenu_ = file;
  addItem(file, "openItem", &ui::MainForm::openWingFile, QKeySequence::Open);
  addItem(file, "saveFileItem", &ui::MainForm::saveWingFile, QKeySequence::Save);
  addItem(file, "saveItem", &ui::MainForm::saveWingAs,
          QKeySequence(QStringLiteral("Ctrl+Shift+S")));
  file->addSeparator();
  addItem(file, "printItem", &ui::MainForm::printSheet, QKeySequence::Print);
  addItem(file, "templateItem", &ui::MainForm::printTemplate);
  addItem(file, "exportItem", &ui::MainForm::exportOutline);
  quitSeparator_ = file->addSeparator();
  addItem(file, "quitItem", &ui::MainForm::quit, QKeySequence(QStringLiteral("Ctrl+Q")));
  // The language menu has no entries: choosing its title opens the chooser.
  addItem(nullptr, "languageItem", &ui::MainForm::chooseLanguage);
  QMenu* tools = addMenu("toolsMenu");
  addItem(tools, "stabilityItem", &ui::MainForm::showStability);
  addItem(tools, "ribsItem", &ui::MainForm::showRibs);
  QMenu* units = tools->addMenu(QString());
  units->setObjectName(QStringLiteral("unitsMenu"));
  captionSetters_["unitsMenu"] = [units](const QString& text) { units->setTitle(text); };
  auto* unitChoices = new QActionGroup(this);
  for (const auto& [name, choice] : {std::pair{"metricItem", base::Units::Metric},
                                     std::pair{"imperialItem", base::Units::Imperial}}) {
    QAction* action = units->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    action->setCheckable(true);
    unitChoices->addAction(action);
    captionSetters_[name] = [action](const QString& caption) { action->setText(caption); };
    connect(action, &QAction::triggered, this, [this, choice] { form_->setUnits(choice); });
  }
  QMenu* help = addMenu("helpMenu");
  addItem(help, "helpItem", &ui::MainForm::showHelp);
  help->addSeparator();
  addItem(help, "aboutItem", &ui::MainForm::showAbout);

  statusBar()->setObjectName(QStringLiteral("statusBar"));
  captionSetters_["mainWindow"] = [this](const QString& text) {
    QMainWindow::setWindowTitle(text);
  };
}

void MainWindow::showUnits(base::Units units) {
  const bool metric = units == base::Units::Metric;
  for (const char* name : {"metricItem", "imperialItem"}) {
    auto* action = findChild<QAction*>(QString::fromLatin1(name));
    if (action) action->setChecked(metric == (name[0] == 'm'));
  }
  if (auto* sign = findChild<QLabel*>(QStringLiteral("gramSign"))) {
    sign->setText(QString::fromUtf8(base::unitSymbol(base::Quantity::Mass, units)));
  }
}

bool MainWindow::isMenuShortcut(const QKeyEvent& key) const {
  const QKeySequence pressed(key.keyCombination());
  const QList<QAction*> items = menuBar()->findChildren<QAction*>();
  return std::any_of(items.begin(), items.end(), [&pressed](const QAction* item) {
    return !item->shortcut().isEmpty() && item->shortcut() == pressed;
  });
}

}  // namespace tavelor::qt

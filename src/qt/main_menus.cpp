// The main window's menu bar: each entry runs one command of the main form.
#include <QActionGroup>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "qt/main_window.h"
#include "ui/control_table.h"

namespace tavelor::qt {

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  std::map<std::string, QMenu*> menus;
  for (const ui::MenuItem& item : ui::kMenuItems) {
    QMenu*& menu = menus[item.menu ? item.menu : ""];
    if (item.menu && !menu) {
      menu = bar->addMenu(QString());
      menu->setObjectName(QString::fromLatin1(item.menu));
      captionSetters_[item.menu] = [menu = menu](const QString& text) { menu->setTitle(text); };
    }
    QAction* separator = item.separated ? menu->addSeparator() : nullptr;
    QAction* action = menu ? menu->addAction(QString()) : bar->addAction(QString());
    action->setObjectName(QString::fromLatin1(item.name));
    action->setShortcut(QKeySequence(QString::fromLatin1(item.keys)));
    captionSetters_[item.name] = [action](const QString& caption) { action->setText(caption); };
    const auto command = item.command;
    connect(action, &QAction::triggered, this, [this, command] { (form_.get()->*command)(); });
    if (item.command == &ui::MainForm::quit) quitSeparator_ = separator;
  }
  fileMenu_ = menus.at("fileMenu");
  QMenu* tools = menus.at("toolsMenu");
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
    unitItems_[choice] = action;
  }

  statusBar()->setObjectName(QStringLiteral("statusBar"));
  captionSetters_["mainWindow"] = [this](const QString& text) {
    QMainWindow::setWindowTitle(text);
  };
}

void MainWindow::showUnits(base::Units units) {
  unitItems_.at(units)->setChecked(true);  // the group unchecks the other
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

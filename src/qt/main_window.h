#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTranslator>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "qt/text.h"
#include "ui/main_form.h"
#include "ui/window.h"
#include "ui/wing_inputs.h"

namespace tavelor::qt {

class DrawingView;

// The main window in Qt Widgets. It builds every control into the frames' grids, implements the
// window port for the main form, and turns each Qt event into the form's command; the logic itself
// lives in the form and the layers below it.
class MainWindow : public QMainWindow, public ui::Window {
  Q_OBJECT
 public:
  // programFolder: the executable's folder; decimalMark and shortDate: the user's locale.
  MainWindow(const QString& programFolder, const QString& decimalMark,
             std::function<std::string()> shortDate, QWidget* parent = nullptr);
  ~MainWindow() override;

  ui::MainForm& form() { return *form_; }
  // The start-up sequence; false when the program cannot start.
  bool startUp() { return form_->startUp(); }
  // Shows the window with the focus in the first field of the keyboard order.
  void showReady();

  QLineEdit* field(ui::Field field, int index) const;
  QLabel* resultLabel(ui::ResultLabel label) const { return results_.at(label); }
  DrawingView* plan() const { return plan_; }
  QPushButton* button(const std::string& name) const { return buttons_.at(name); }
  bool endRequested() const { return endRequested_; }

  // ui::FormFields
  std::string fieldText(ui::Field field, int index) const override;
  void setFieldText(ui::Field field, int index, const std::string& text) override;
  void selectAll(ui::Field field, int index) override;
  void setFocus(ui::Field field, int index) override;
  void setResultText(ui::ResultLabel label, const std::string& text) override;
  void setWindowTitle(const std::string& text) override;
  std::string decimalMark() const override;

  // base::MessageBoxes
  base::Answer showMessage(const std::string& text, const std::string& title, base::Icon icon,
                           base::Buttons buttons) override;

  // i18n::CaptionTarget
  void setCaption(const std::string& control, const std::string& text) override;
  void setToolTip(const std::string& control, const std::string& text) override;
  void useLocale(const std::string& locale) override;  // window_files.cpp

  // ui::Dialogs
  std::string promptText(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override;
  std::optional<std::string> askSaveFileName(const ui::FileDialogRequest& request) override;
  std::optional<std::string> askOpenFileName(const ui::FileDialogRequest& request) override;
  void showLanguageChooser(i18n::Language& language) override;
  void showAbout(const ui::AboutTexts& texts) override;
  void showHelp(const ui::HelpTexts& texts) override;
  void showStability(ui::StabilityForm& form) override;
  void showRibs(ui::RibForm& form) override;
  // window_files.cpp
  std::string documentsFolder() const override;
  void showRecentFiles(const std::vector<std::string>& paths) override;

  // ui::Printing
  void setBusyPointer(bool busy) override;
  std::unique_ptr<plot::PageSurface> openPage(const std::string& sheetName) override;
  std::string shortDate() const override;
  void usePdfFolder(const std::string& folder) override { pdfFolder_ = toQ(folder); }

  // ui::Outputs (window_outputs.cpp)
  std::unique_ptr<ui::TemplateJob> openTemplateJob() override;

  // ui::Window
  void showPlan(plot::Drawing plan) override;
  void showStale(const std::string& note) override;  // stale_view.cpp
  void showUnits(base::Units units) override;        // main_menus.cpp
  void endProgram() override;
  void showStatus(const std::string& text) override;  // window_files.cpp

 protected:
  // The input fields' key filter and focus tracking (field_events.cpp).
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The close control: asks about unsaved changes first (window_dialogs.cpp).
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildControls();
  void buildMenus();
  // The key is the shortcut of a menu item (Ctrl+S, Ctrl+O...).
  bool isMenuShortcut(const QKeyEvent& key) const;
  QLabel* addLabel(QGridLayout* grid, const char* name, int row, int column, const QFont& font,
                   Qt::Alignment alignment);
  QLineEdit* addField(QGridLayout* grid, const QString& name, ui::FieldRef id, int row, int column);
  void alignColumns();
  std::optional<std::string> askFileName(const ui::FileDialogRequest& request, bool save);

  QString decimalMark_;
  QString pdfFolder_;  // where a PDF file goes without a print queue; empty: the documents folder
  QMenu* fileMenu_ = nullptr;
  QAction* quitSeparator_ = nullptr;           // the recent files go above it
  std::map<base::Units, QAction*> unitItems_;  // Tools > Units, by the units each chooses
  std::vector<QAction*> recentItems_;
  std::vector<std::unique_ptr<QTranslator>> translators_;
  std::function<std::string()> shortDate_;

  std::map<std::string, std::function<void(const QString&)>> captionSetters_;
  std::map<QObject*, ui::FieldRef> fieldIds_;
  std::map<std::pair<ui::Field, int>, QLineEdit*> fields_;
  std::map<ui::ResultLabel, QLabel*> results_;
  std::map<std::string, QPushButton*> buttons_;
  std::array<QGridLayout*, 3> grids_{};  // the inputs', the mass's and the results' frames
  DrawingView* plan_ = nullptr;
  QObject* lastFocusedField_ = nullptr;
  int busyDepth_ = 0;
  bool endRequested_ = false;

  std::unique_ptr<ui::MainForm> form_;
};

}  // namespace tavelor::qt

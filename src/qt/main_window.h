#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/main_form.h"
#include "ui/window.h"

namespace tavelor::qt {

class PlanWidget;

// The main window `frmMain` in Qt Widgets. It builds every control at its place, implements the
// window port for the main form, and turns each Qt event into the form's handler; the logic
// itself lives in the form and the layers below it.
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

  QLineEdit* field(calc::Field field, int index) const;
  QLabel* resultLabel(calc::ResultLabel label) const;
  PlanWidget* plan() const { return plan_; }
  QPushButton* button(const char* name) const;
  bool endRequested() const { return endRequested_; }

  // calc::InputWindow
  std::string fieldText(calc::Field field, int index) const override;
  void setFieldText(calc::Field field, int index, const std::string& text) override;
  void selectAll(calc::Field field, int index) override;
  void setFocus(calc::Field field, int index) override;
  void setResultCaption(calc::ResultLabel label, const std::string& text) override;
  std::string resultCaption(calc::ResultLabel label) const override;
  void setWindowCaption(const std::string& text) override;
  void clearPlan() override;
  std::string decimalMark() const override;

  // i18n::MessageBoxes
  i18n::Answer showMessage(const std::string& text, const std::string& title, i18n::Icon icon,
                           i18n::Buttons buttons) override;

  // i18n::CaptionTarget
  void setCaption(const std::string& control, const std::string& text) override;
  void setToolTip(const std::string& control, const std::string& text) override;

  // plot::PrintWindow
  void setBusyPointer(bool busy) override;
  std::string promptText(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override;
  std::unique_ptr<plot::PageSurface> openPage() override;
  std::string shortDate() const override;

  // files::FileWindow
  std::optional<std::string> askSaveFileName(const files::FileDialogRequest& request) override;
  std::optional<std::string> askOpenFileName(const files::FileDialogRequest& request) override;

  // ui::Window
  plot::DrawingSurface& planSurface() override;
  void showLanguageChooser(i18n::LanguageModule& language) override;
  void showAbout(const ui::AboutTexts& texts) override;
  void showHelp(const ui::HelpTexts& texts) override;
  void endProgram() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct FieldId {
    calc::Field kind;
    int index;
  };

  void buildControls();
  void buildMenus();
  void wireEvents();
  QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                   int width, int height, const QFont& font, Qt::Alignment alignment);
  QLineEdit* addField(QWidget* parent, const QString& name, calc::Field kind, int index, int left,
                      int top);
  std::optional<std::string> askFileName(const files::FileDialogRequest& request, bool save);

  QString decimalMark_;
  std::function<std::string()> shortDate_;

  std::map<std::string, std::function<void(const QString&)>> captionSetters_;
  std::map<QObject*, FieldId> fieldIds_;
  std::array<std::array<QLineEdit*, calc::kPanels>, 4> grid_{};
  QLineEdit* cg_ = nullptr;
  QLineEdit* masse_ = nullptr;
  std::map<calc::ResultLabel, QLabel*> results_;
  std::map<std::string, QPushButton*> buttons_;
  PlanWidget* plan_ = nullptr;
  QObject* lastFocusedField_ = nullptr;
  int busyDepth_ = 0;
  bool endRequested_ = false;

  std::unique_ptr<ui::MainForm> form_;
};

}  // namespace tavelor::qt

#include "qt/main_window.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTimer>

#include "plot/plan_view.h"
#include "qt/drawing_view.h"
#include "qt/glyphs.h"
#include "qt/pdf_destination.h"
#include "qt/printer_page.h"
#include "qt/text.h"

namespace tavelor::qt {

using ui::Field;
using ui::ResultLabel;

MainWindow::MainWindow(const QString& programFolder, const QString& decimalMark,
                       std::function<std::string()> shortDate, QWidget* parent)
    : QMainWindow(parent), decimalMark_(decimalMark), shortDate_(std::move(shortDate)) {
  setObjectName(QStringLiteral("mainWindow"));
  QMainWindow::setWindowTitle(QStringLiteral("Tavelor"));
  setWindowIcon(programIcon());
  buildControls();
  buildMenus();
  form_ = std::make_unique<ui::MainForm>(*this, fromQ(programFolder));
}

MainWindow::~MainWindow() {
  // The fields report to the form while they are destroyed; stop that first.
  for (auto& [object, id] : fieldIds_) {
    object->removeEventFilter(this);
    object->disconnect(this);
  }
  while (busyDepth_ > 0) setBusyPointer(false);
}

void MainWindow::showReady() {
  show();
  field(Field::RootChord, 0)->setFocus(Qt::ActiveWindowFocusReason);
  activateWindow();
}

QLineEdit* MainWindow::field(Field kind, int index) const {
  const bool single = kind == Field::Centring || kind == Field::Mass;
  return fields_.at({kind, single ? 0 : index});
}

std::string MainWindow::fieldText(Field kind, int index) const {
  return fromQ(field(kind, index)->text());
}

void MainWindow::setFieldText(Field kind, int index, const std::string& text) {
  field(kind, index)->setText(toQ(text));
}

void MainWindow::selectAll(Field kind, int index) {
  QLineEdit* edit = field(kind, index);
  edit->selectAll();
  // Again once the event that gave the focus is done: a mouse click would otherwise place the
  // caret over the selection.
  QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
}

void MainWindow::setFocus(Field kind, int index) {
  field(kind, index)->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setResultText(ResultLabel label, const std::string& text) {
  results_.at(label)->setText(toQ(text));
}

void MainWindow::setWindowTitle(const std::string& text) { QMainWindow::setWindowTitle(toQ(text)); }

std::string MainWindow::decimalMark() const { return fromQ(decimalMark_); }

void MainWindow::setCaption(const std::string& control, const std::string& text) {
  const auto setter = captionSetters_.find(control);
  if (setter != captionSetters_.end()) setter->second(toQ(text));
}

void MainWindow::setToolTip(const std::string& control, const std::string& text) {
  const auto found = buttons_.find(control);
  if (found != buttons_.end()) found->second->setToolTip(toQ(text));
}

void MainWindow::setBusyPointer(bool busy) {
  if (busy) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++busyDepth_;
  } else if (busyDepth_ > 0) {
    QApplication::restoreOverrideCursor();
    --busyDepth_;
  }
}

std::unique_ptr<plot::PageSurface> MainWindow::openPage(const std::string& sheetName) {
  return openSystemPrinterPage(sheetName, pdfFolder_);
}

std::string MainWindow::shortDate() const { return shortDate_ ? shortDate_() : std::string(); }

void MainWindow::showPlan(plot::Drawing plan) {
  plan_->setDrawing(std::move(plan),
                    plot::Bounds{{0, 0}, {plot::kPlanWidthMm, plot::kPlanHeightMm}});
}

void MainWindow::endProgram() {
  endRequested_ = true;
  // Closing the last window ends the event loop once it runs; before it runs (start-up) the
  // caller returns from main. QCoreApplication::exit would also end every later event loop.
  QApplication::closeAllWindows();
}

}  // namespace tavelor::qt

#include "qt/printer_page.h"

#include <QDir>
#include <QFile>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPen>
#include <algorithm>
#include <utility>

#include "plot/pdf_name.h"
#include "qt/drawing_painter.h"
#include "qt/print_document.h"

namespace tavelor::qt {

namespace {

// The sheet has always been laid out at 56.7 twips to the millimetre rather than 1440/25.4: its
// millimetres reach the paper that way, so every printed position stays where it always was.
constexpr double kSheetTwipsPerMm = 56.7;
constexpr double kTwipsPerInch = 1440.0;

}  // namespace

QtPrinterPage::QtPrinterPage(Target target, std::unique_ptr<QPrinter> printer)
    : target_(target), printer_(std::move(printer)) {
  if (target_ != Target::Queue) printer_->setOutputFormat(QPrinter::PdfFormat);
}

std::unique_ptr<QtPrinterPage> QtPrinterPage::onQueue(const QPrinterInfo& queue,
                                                      const std::string& sheetName) {
  std::unique_ptr<QtPrinterPage> page(new QtPrinterPage(
      Target::Queue, std::make_unique<QPrinter>(queue, QPrinter::HighResolution)));
  page->sheetName_ = &sheetName;
  return page;
}

std::unique_ptr<QtPrinterPage> QtPrinterPage::toPdfFolder(const QString& folder,
                                                          const std::string& sheetName) {
  std::unique_ptr<QtPrinterPage> page(
      new QtPrinterPage(Target::PdfFolder, std::make_unique<QPrinter>(QPrinter::HighResolution)));
  page->pdfFolder_ = QDir(folder).absolutePath();
  page->sheetName_ = &sheetName;
  return page;
}

QtPrinterPage::~QtPrinterPage() = default;

void QtPrinterPage::checkOpen() const {
  if (ended_) throw plot::PageError("the sheet has already been handed over");
}

double QtPrinterPage::unitsPerMm() const {
  return kSheetTwipsPerMm * printer_->resolution() / kTwipsPerInch;
}

void QtPrinterPage::applyLayout() {
  if (laidOut_) return;
  const QPageSize paper = paperFor(*printer_);

  // Size, orientation and margins in one layout: orientation set on its own can be lost on the
  // way to CUPS. Full-page mode puts the origin on the paper's corner whatever the margins are.
  printer_->setFullPage(true);
  QPageLayout layout(paper, QPageLayout::Landscape, QMarginsF(0, 0, 0, 0), QPageLayout::Point);
  layout.setMode(QPageLayout::FullPageMode);
  printer_->setPageLayout(layout);
  if (printer_->pageLayout().orientation() != QPageLayout::Landscape) {
    // Some queues refuse margins narrower than their printable area; on a full page those
    // margins move nothing, so offer the widest one on every side.
    const QMarginsF least = printer_->pageLayout().minimumMargins();
    const double side = std::max({least.left(), least.top(), least.right(), least.bottom()});
    layout.setUnits(printer_->pageLayout().units());
    layout.setMargins(QMarginsF(side, side, side, side));
    printer_->setPageLayout(layout);
  }
  printer_->setFullPage(true);
  if (printer_->pageLayout().orientation() != QPageLayout::Landscape) {
    throw plot::PageError("the printer does not take a landscape page");
  }
  if (printer_->resolution() <= 0) throw plot::PageError("the printer reports no resolution");
  laidOut_ = true;
}

double QtPrinterPage::advance(const plot::Text& text) {
  checkOpen();
  applyLayout();
  // Measured on the printer itself, so widths and line heights match what it will paint.
  return DeviceMeasure(printer_.get(), unitsPerMm()).advance(text);
}

double QtPrinterPage::lineSpacing(const plot::Text& text) {
  checkOpen();
  applyLayout();
  return DeviceMeasure(printer_.get(), unitsPerMm()).lineSpacing(text);
}

void QtPrinterPage::openTarget() {
  if (target_ == Target::PdfFolder) {
    pdfPath_ = QString::fromStdString(plot::reservePdfPath(pdfFolder_.toStdString(), *sheetName_));
    pathReserved_ = true;
  }
  if (target_ != Target::Queue) printer_->setOutputFileName(pdfPath_);
  printer_->setCreator(QStringLiteral("Tavelor"));
  printer_->setDocName(sheetName_ != nullptr && !sheetName_->empty()
                           ? QString::fromStdString(*sheetName_)
                           : QStringLiteral("Tavelor"));
}

void QtPrinterPage::print(const plot::Drawing& drawing) {
  checkOpen();
  applyLayout();
  ended_ = true;
  openTarget();
  DrawingMapping mapping{QTransform::fromScale(unitsPerMm(), unitsPerMm()), true, 0, {}};
  // A hairline's dashes count device dots, which at printer resolution would shrink the pattern
  // to a grey blur; give each unit the size of a screen pixel (1/96 inch) instead.
  mapping.hairlineDash = QPen(Qt::DashDotDotLine).dashPattern();
  for (qreal& length : mapping.hairlineDash) length *= printer_->resolution() / 96.0;
  printPages(*printer_, {drawing}, mapping, deviceName());
  delivered_ = true;
}

void QtPrinterPage::abortDocument() {
  ended_ = true;
  // Only a document that failed inside print can have reached the printer.
  if (printer_->printerState() == QPrinter::Active) printer_->abort();
  // A file named here is ours to take back; a path the caller chose is left alone.
  if (pathReserved_ && !delivered_) QFile::remove(pdfPath_);
}

std::string QtPrinterPage::deviceName() {
  if (target_ == Target::Queue) return printer_->printerName().toStdString();
  return PrintDestination{{}, pdfFolder_}.deviceName();
}

std::string QtPrinterPage::pdfFolder() const {
  if (target_ == Target::Queue) return {};
  return QDir::toNativeSeparators(pdfFolder_).toStdString();
}

std::string QtPrinterPage::deliveryNote() const {
  if (target_ == Target::Queue || !delivered_) return {};
  return QDir::toNativeSeparators(pdfPath_).toStdString();
}

std::unique_ptr<plot::PageSurface> openSystemPrinterPage(const std::string& sheetName,
                                                         const QString& pdfFolder) {
  const PrintDestination destination = systemPrintDestination(pdfFolder);
  if (!destination.queue.isNull()) return QtPrinterPage::onQueue(destination.queue, sheetName);
  return QtPrinterPage::toPdfFolder(destination.pdfFolder, sheetName);
}

}  // namespace tavelor::qt

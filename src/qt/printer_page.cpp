#include "qt/printer_page.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <algorithm>
#include <string_view>
#include <utility>

#include "base/atomic_file.h"
#include "plot/number_text.h"
#include "qt/drawing_painter.h"
#include "qt/pdf_file.h"

namespace tavelor::qt {

namespace {

constexpr double kTwipsPerInch = 1440;
constexpr std::size_t kMaxBaseNameBytes = 200;
constexpr int kMaxNumberedNames = 9999;

bool isForbiddenInFileName(unsigned char c) {
  if (c < 0x20 || c == 0x7f) return true;
  return std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

QString pdfBaseName(const std::string& sheetName) {
  std::string base;
  base.reserve(sheetName.size());
  for (const char c : sheetName) {
    base.push_back(isForbiddenInFileName(static_cast<unsigned char>(c)) ? '_' : c);
  }
  if (base.size() > kMaxBaseNameBytes) {
    std::size_t cut = kMaxBaseNameBytes;
    // Never split a UTF-8 sequence: back up over continuation bytes.
    while (cut > 0 && (static_cast<unsigned char>(base[cut]) & 0xC0) == 0x80) --cut;
    base.resize(cut);
  }
  // Leading dots hide a file on Unix; trailing dots and blanks are dropped by Windows.
  const auto first = base.find_first_not_of(" .");
  if (first == std::string::npos) return QStringLiteral("sheet");
  const auto last = base.find_last_not_of(" .");
  base = base.substr(first, last - first + 1);
  return QString::fromStdString(base);
}

QString reservePdfPath(const QString& folder, const std::string& sheetName) {
  const QString base = pdfBaseName(sheetName);
  const QDir dir(folder);
  for (int n = 1; n <= kMaxNumberedNames; ++n) {
    const QString name =
        n == 1 ? base + QStringLiteral(".pdf") : QStringLiteral("%1 (%2).pdf").arg(base).arg(n);
    const QString path = dir.filePath(name);
    QFile file(path);
    // NewOnly fails on an existing name, so a file that appears meanwhile is never replaced.
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return path;
    if (!file.exists()) {
      throw plot::PageError("cannot create " + QDir::toNativeSeparators(path).toStdString() + ": " +
                            file.errorString().toStdString());
    }
  }
  throw plot::PageError("no free file name for " + base.toStdString() + " in " +
                        QDir::toNativeSeparators(folder).toStdString());
}

QtPrinterPage::QtPrinterPage(Target target, std::unique_ptr<QPrinter> printer,
                             std::string decimalMark)
    : target_(target), decimalMark_(std::move(decimalMark)), printer_(std::move(printer)) {}

std::unique_ptr<QtPrinterPage> QtPrinterPage::onQueue(const QPrinterInfo& queue,
                                                      const std::string& sheetName,
                                                      std::string decimalMark) {
  std::unique_ptr<QtPrinterPage> page(
      new QtPrinterPage(Target::Queue, std::make_unique<QPrinter>(queue, QPrinter::HighResolution),
                        std::move(decimalMark)));
  page->sheetName_ = &sheetName;
  return page;
}

std::unique_ptr<QtPrinterPage> QtPrinterPage::toPdfFile(const QString& path,
                                                        std::string decimalMark) {
  std::unique_ptr<QtPrinterPage> page(
      new QtPrinterPage(Target::PdfFile, std::make_unique<QPrinter>(QPrinter::HighResolution),
                        std::move(decimalMark)));
  page->printer_->setOutputFormat(QPrinter::PdfFormat);
  page->pdfPath_ = QFileInfo(path).absoluteFilePath();
  page->pdfFolder_ = QFileInfo(page->pdfPath_).absolutePath();
  return page;
}

std::unique_ptr<QtPrinterPage> QtPrinterPage::toPdfFolder(const QString& folder,
                                                          const std::string& sheetName,
                                                          std::string decimalMark) {
  std::unique_ptr<QtPrinterPage> page(
      new QtPrinterPage(Target::PdfFolder, std::make_unique<QPrinter>(QPrinter::HighResolution),
                        std::move(decimalMark)));
  page->printer_->setOutputFormat(QPrinter::PdfFormat);
  page->pdfFolder_ = QDir(folder).absolutePath();
  page->sheetName_ = &sheetName;
  return page;
}

QtPrinterPage::~QtPrinterPage() = default;

void QtPrinterPage::checkOpen() const {
  if (ended_) throw plot::PageError("the sheet has already been handed over");
}

double QtPrinterPage::deviceUnitsPerTwip() const { return printer_->resolution() / kTwipsPerInch; }

void QtPrinterPage::applyLayout() {
  if (laidOut_) return;
  // A file has no paper of its own: the sheet is laid out for A4. A queue keeps its paper.
  QPageSize paper = printer_->pageLayout().pageSize();
  if (target_ != Target::Queue || !paper.isValid()) paper = QPageSize(QPageSize::A4);

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

void QtPrinterPage::setLandscape() {
  checkOpen();
  applyLayout();
}

void QtPrinterPage::setFontName(const std::string& name) {
  checkOpen();
  fontName_ = QString::fromStdString(name);
}

void QtPrinterPage::setFontSize(int points) {
  checkOpen();
  if (points <= 0) throw plot::PageError("font size " + std::to_string(points) + " pt");
  fontSize_ = points;
}

void QtPrinterPage::setBold(bool on) {
  checkOpen();
  bold_ = on;
}

void QtPrinterPage::setUnderline(bool on) {
  checkOpen();
  underline_ = on;
}

void QtPrinterPage::setInkColour(plot::Rgb colour) {
  checkOpen();
  ink_ = colour;
}

void QtPrinterPage::setLineStyle(plot::LineStyle style) {
  checkOpen();
  lineStyle_ = style;
}

QFont QtPrinterPage::currentFont() const {
  QFont font(fontName_);
  font.setPointSize(fontSize_);
  font.setBold(bold_);
  font.setUnderline(underline_);
  return font;
}

void QtPrinterPage::printText(const std::string& text, bool endsLine) {
  checkOpen();
  applyLayout();
  const double scale = deviceUnitsPerTwip();
  const QFont font = currentFont();
  // Measured on the printer itself, so widths and line heights match what it will paint.
  const QFontMetricsF metrics(font, printer_.get());
  const QString shown = QString::fromStdString(text);
  if (!shown.isEmpty()) {
    const QPointF baseline(x_ * scale, y_ * scale + metrics.ascent());
    const QColor colour = toQColor(ink_);
    recording_.push_back([font, colour, baseline, shown](QPainter& painter) {
      painter.setFont(font);
      painter.setPen(QPen(colour));
      painter.drawText(baseline, shown);
    });
  }
  if (endsLine) {
    x_ = 0;
    y_ += metrics.lineSpacing() / scale;
  } else {
    x_ += metrics.horizontalAdvance(shown) / scale;
  }
}

void QtPrinterPage::printNumber(double value, bool endsLine) {
  printText(plot::printedNumber(value, decimalMark_), endsLine);
}

void QtPrinterPage::drawLine(float x1, float y1, float x2, float y2,
                             std::optional<plot::Rgb> colour) {
  checkOpen();
  applyLayout();
  const double scale = deviceUnitsPerTwip();
  QPen pen(toQColor(colour.value_or(ink_)));
  pen.setWidth(0);  // cosmetic: the printer's thinnest line
  pen.setCosmetic(true);
  if (lineStyle_ == plot::LineStyle::DashDotDot) {
    // A cosmetic pen's dashes count device dots, which at printer resolution would shrink the
    // pattern to a grey blur; give each unit the size of a screen pixel (1/96 inch) instead.
    pen.setStyle(Qt::DashDotDotLine);
    QList<qreal> pattern = pen.dashPattern();
    const double unit = printer_->resolution() / 96.0;
    for (qreal& length : pattern) length *= unit;
    pen.setDashPattern(pattern);
  }
  const QLineF line(x1 * scale, y1 * scale, x2 * scale, y2 * scale);
  recording_.push_back([pen, line](QPainter& painter) {
    painter.setPen(pen);
    painter.drawLine(line);
  });
}

void QtPrinterPage::endDocument() {
  checkOpen();
  applyLayout();
  ended_ = true;
  if (target_ == Target::PdfFolder) {
    pdfPath_ = reservePdfPath(pdfFolder_, *sheetName_);
    pathReserved_ = true;
  }
  // As every file the program writes: a regular file or a new name, never a device or pipe.
  if (const QFileInfo target(pdfPath_);
      target_ == Target::PdfFile && target.exists() && !target.isFile()) {
    throw plot::PageError("cannot write " + QDir::toNativeSeparators(pdfPath_).toStdString() +
                          ": " + base::kNotRegularFileText);
  }
  if (target_ != Target::Queue) {
    printer_->setOutputFileName(pdfPath_);
    printer_->setOutputFormat(QPrinter::PdfFormat);
  }
  printer_->setCreator(QStringLiteral("Tavelor"));
  printer_->setDocName(sheetName_ != nullptr && !sheetName_->empty()
                           ? QString::fromStdString(*sheetName_)
                           : QStringLiteral("Tavelor"));

  QPainter painter;
  if (!painter.begin(printer_.get())) {
    throw plot::PageError("the printer " + deviceName() + " did not start the document");
  }
  for (const Operation& operation : recording_) operation(painter);
  recording_.clear();
  if (!painter.end() || printer_->printerState() == QPrinter::Error) {
    throw plot::PageError("the printer " + deviceName() + " did not take the document");
  }
  if (target_ != Target::Queue && !isCompletePdf(pdfPath_)) {
    throw plot::PageError("the file " + QDir::toNativeSeparators(pdfPath_).toStdString() +
                          " was not written completely");
  }
  delivered_ = true;
}

void QtPrinterPage::abortDocument() {
  recording_.clear();
  ended_ = true;
  // Only a document that failed inside endDocument can have reached the printer.
  if (printer_->printerState() == QPrinter::Active) printer_->abort();
  // A file named here is ours to take back; a path the caller chose is left alone.
  if (pathReserved_ && !delivered_) QFile::remove(pdfPath_);
}

std::string QtPrinterPage::deviceName() {
  if (target_ == Target::Queue) return printer_->printerName().toStdString();
  return PrintDestination{{}, pdfFolder_}.deviceName();
}

std::string PrintDestination::deviceName() const {
  if (!queue.isNull()) return queue.printerName().toStdString();
  return "PDF file in " + QDir::toNativeSeparators(pdfFolder).toStdString();
}

std::string QtPrinterPage::pdfFolder() const {
  if (target_ == Target::Queue) return {};
  return QDir::toNativeSeparators(pdfFolder_).toStdString();
}

std::string QtPrinterPage::deliveryNote() const {
  if (target_ == Target::Queue || !delivered_) return {};
  return QDir::toNativeSeparators(pdfPath_).toStdString();
}

PrintDestination systemPrintDestination() {
  PrintDestination destination{QPrinterInfo::defaultPrinter(), {}};
  if (destination.queue.isNull()) {
    const QList<QPrinterInfo> queues = QPrinterInfo::availablePrinters();
    if (!queues.isEmpty()) destination.queue = queues.front();
  }
  if (destination.queue.isNull()) {
    destination.pdfFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (destination.pdfFolder.isEmpty() || !QFileInfo(destination.pdfFolder).isDir()) {
      destination.pdfFolder = QDir::homePath();
    }
  }
  return destination;
}

std::unique_ptr<plot::PageSurface> openSystemPrinterPage(const std::string& sheetName,
                                                         std::string decimalMark) {
  const PrintDestination destination = systemPrintDestination();
  if (!destination.queue.isNull()) {
    return QtPrinterPage::onQueue(destination.queue, sheetName, std::move(decimalMark));
  }
  return QtPrinterPage::toPdfFolder(destination.pdfFolder, sheetName, std::move(decimalMark));
}

}  // namespace tavelor::qt

#include "qt/template_page.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <utility>

namespace tavelor::qt {

namespace {

constexpr double kMmPerInch = 25.4;

QColor toQColor(plot::Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

bool isFinite(wing::Point p) { return std::isfinite(p.x) && std::isfinite(p.y); }

// A finished PDF ends with its end-of-file marker; a file cut short by a full disk does not.
bool isCompletePdf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() < 8) return false;
  const qint64 tail = std::min<qint64>(file.size(), 64);
  return file.seek(file.size() - tail) && file.read(tail).contains("%%EOF");
}

}  // namespace

QtTemplatePage::QtTemplatePage(QPrinter& printer) : printer_(printer) {
  // A file has no paper of its own; a queue keeps the paper it is set up with.
  QPageSize paper = printer_.pageLayout().pageSize();
  if (printer_.outputFormat() == QPrinter::PdfFormat || !paper.isValid()) {
    paper = QPageSize(QPageSize::A4);
  }
  // Paper and orientation first, to learn the printer's minimum margins for them; then the
  // margins themselves, which a queue accepts once they are no narrower than its minimum.
  // Full-page mode puts the origin on the paper's corner whatever the margins are.
  QPageLayout layout(paper, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
  layout.setMode(QPageLayout::FullPageMode);
  printer_.setPageLayout(layout);
  QPageLayout taken = printer_.pageLayout();
  taken.setUnits(QPageLayout::Millimeter);
  const QMarginsF least = taken.minimumMargins();
  const double margin =
      std::max({plot::kTemplateMargin, least.left(), least.top(), least.right(), least.bottom()});
  layout.setMargins(QMarginsF(margin, margin, margin, margin));
  printer_.setPageLayout(layout);
  printer_.setFullPage(true);

  taken = printer_.pageLayout();
  if (taken.orientation() != QPageLayout::Portrait) {
    throw plot::PageError("the printer " + printerName() + " does not take a portrait page");
  }
  if (printer_.resolution() <= 0) {
    throw plot::PageError("the printer " + printerName() + " reports no resolution");
  }
  unitsPerMm_ = printer_.resolution() / kMmPerInch;
  const QRectF sheet = taken.fullRect(QPageLayout::Millimeter);
  printable_ = {margin, margin, sheet.width() - 2 * margin, sheet.height() - 2 * margin};
}

std::string QtTemplatePage::printerName() const {
  if (printer_.outputFormat() == QPrinter::PdfFormat) {
    return QDir::toNativeSeparators(printer_.outputFileName()).toStdString();
  }
  return printer_.printerName().toStdString();
}

QPointF QtTemplatePage::toDevice(wing::Point p) const {
  return {p.x * unitsPerMm_, p.y * unitsPerMm_};
}

void QtTemplatePage::record(Operation operation) {
  if (pages_.empty()) throw plot::PageError("the template drew before its first page");
  pages_.back().push_back(std::move(operation));
}

void QtTemplatePage::newPage() { pages_.emplace_back(); }

void QtTemplatePage::line(wing::Point from, wing::Point to, plot::Rgb colour, double widthMm) {
  if (!isFinite(from) || !isFinite(to) || !(widthMm > 0)) {
    throw plot::PageError("a line of the template lies nowhere on the page");
  }
  // Flat ends: a line ends where the wing does, not half a pen width beyond.
  const QPen pen(toQColor(colour), widthMm * unitsPerMm_, Qt::SolidLine, Qt::FlatCap,
                 Qt::MiterJoin);
  const QLineF shown(toDevice(from), toDevice(to));
  record([pen, shown](QPainter& painter) {
    painter.setPen(pen);
    painter.drawLine(shown);
  });
}

void QtTemplatePage::text(wing::Point at, const std::string& text, double sizePoints,
                          plot::Rgb colour, plot::TextAlign align) {
  if (!isFinite(at) || !(sizePoints > 0)) {
    throw plot::PageError("a text of the template lies nowhere on the page");
  }
  QFont font(QStringLiteral("Arial"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(sizePoints);
  const QString shown = QString::fromStdString(text);
  // Measured on the printer itself, so the width matches what it will paint.
  const double width = QFontMetricsF(font, &printer_).horizontalAdvance(shown);
  QPointF baseline = toDevice(at);
  if (align == plot::TextAlign::Centre) baseline.rx() -= width / 2;
  if (align == plot::TextAlign::Right) baseline.rx() -= width;
  const QColor ink = toQColor(colour);
  record([font, ink, baseline, shown](QPainter& painter) {
    painter.setFont(font);
    painter.setPen(QPen(ink));
    painter.drawText(baseline, shown);
  });
}

void QtTemplatePage::finish() {
  if (pages_.empty()) throw plot::PageError("the template has no page");
  QPainter painter;
  if (!painter.begin(&printer_)) {
    throw plot::PageError("the printer " + printerName() + " did not start the document");
  }
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (i > 0 && !printer_.newPage()) {
      printer_.abort();
      throw plot::PageError("the printer " + printerName() + " did not take page " +
                            std::to_string(i + 1));
    }
    for (const Operation& operation : pages_[i]) operation(painter);
  }
  pages_.clear();
  if (!painter.end() || printer_.printerState() == QPrinter::Error) {
    throw plot::PageError("the printer " + printerName() + " did not take the document");
  }
  if (printer_.outputFormat() == QPrinter::PdfFormat && !isCompletePdf(printer_.outputFileName())) {
    throw plot::PageError("the file " + printerName() + " was not written completely");
  }
}

void printWingTemplate(QPrinter& printer, const wing::WingGeometry& geometry,
                       const plot::TemplateTexts& texts) {
  QtTemplatePage page(printer);
  plot::printTemplate(geometry, texts, page);
  printer.setCreator(QStringLiteral("Tavelor"));
  if (printer.docName().isEmpty()) {
    printer.setDocName(texts.sheetName.empty() ? QStringLiteral("Tavelor")
                                               : QString::fromStdString(texts.sheetName));
  }
  page.finish();
}

}  // namespace tavelor::qt

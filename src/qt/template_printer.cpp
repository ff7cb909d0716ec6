#include "qt/template_printer.h"

#include <QDir>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QTransform>
#include <algorithm>
#include <string>
#include <vector>

#include "qt/print_document.h"

namespace tavelor::qt {

namespace {

constexpr double kMmPerInch = 25.4;

std::string printerName(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) {
    return QDir::toNativeSeparators(printer.outputFileName()).toStdString();
  }
  return printer.printerName().toStdString();
}

// Lays the printer out for the template and returns the printable area, in millimetres from the
// paper's corner.
plot::MmRect layOut(QPrinter& printer) {
  const QPageSize paper = paperFor(printer);
  // Paper and orientation first, to learn the printer's minimum margins for them; then the
  // margins themselves, which a queue accepts once they are no narrower than its minimum.
  // Full-page mode puts the origin on the paper's corner whatever the margins are.
  QPageLayout layout(paper, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
  layout.setMode(QPageLayout::FullPageMode);
  printer.setPageLayout(layout);
  QPageLayout taken = printer.pageLayout();
  taken.setUnits(QPageLayout::Millimeter);
  const QMarginsF least = taken.minimumMargins();
  const double margin =
      std::max({plot::kTemplateMargin, least.left(), least.top(), least.right(), least.bottom()});
  layout.setMargins(QMarginsF(margin, margin, margin, margin));
  printer.setPageLayout(layout);
  printer.setFullPage(true);

  taken = printer.pageLayout();
  if (taken.orientation() != QPageLayout::Portrait) {
    throw plot::PageError("the printer " + printerName(printer) + " does not take a portrait page");
  }
  if (printer.resolution() <= 0) {
    throw plot::PageError("the printer " + printerName(printer) + " reports no resolution");
  }
  const QRectF sheet = taken.fullRect(QPageLayout::Millimeter);
  return {margin, margin, sheet.width() - 2 * margin, sheet.height() - 2 * margin};
}

}  // namespace

void printFullSize(QPrinter& printer, const plot::TemplateDrawing& drawing,
                   const plot::TemplateTexts& texts) {
  const std::vector<plot::Drawing> pages = plot::templatePages(drawing, texts, layOut(printer));
  if (!std::ranges::all_of(pages, [](const plot::Drawing& page) { return plot::isFinite(page); })) {
    throw plot::PageError("a line of the drawing lies nowhere on the page");
  }
  printer.setCreator(QStringLiteral("Tavelor"));
  if (printer.docName().isEmpty()) {
    printer.setDocName(texts.sheetName.empty() ? QStringLiteral("Tavelor")
                                               : QString::fromStdString(texts.sheetName));
  }

  const double unitsPerMm = printer.resolution() / kMmPerInch;
  printPages(printer, pages, {QTransform::fromScale(unitsPerMm, unitsPerMm), false, 0, {}},
             printerName(printer));
}

}  // namespace tavelor::qt

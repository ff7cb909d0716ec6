#include "qt/print_document.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <algorithm>

#include "plot/page_surface.h"

namespace tavelor::qt {

namespace {

bool isCompletePdf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() < 8) return false;
  const qint64 tail = std::min<qint64>(file.size(), 64);
  return file.seek(file.size() - tail) && file.read(tail).contains("%%EOF");
}

}  // namespace

QPageSize paperFor(const QPrinter& printer) {
  const QPageSize paper = printer.pageLayout().pageSize();
  if (printer.outputFormat() == QPrinter::PdfFormat || !paper.isValid())
    return QPageSize(QPageSize::A4);
  return paper;
}

void printPages(QPrinter& printer, const std::vector<plot::Drawing>& pages,
                const DrawingMapping& mapping, const std::string& device) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    throw plot::PageError("the printer " + device + " did not start the document");
  }
  for (std::size_t i = 0; i < pages.size(); ++i) {
    if (i > 0 && !printer.newPage()) {
      printer.abort();
      throw plot::PageError("the printer " + device + " did not take page " +
                            std::to_string(i + 1));
    }
    paintDrawing(painter, pages[i], mapping);
  }
  if (!painter.end() || printer.printerState() == QPrinter::Error) {
    throw plot::PageError("the printer " + device + " did not take the document");
  }
  const QString file = printer.outputFileName();
  if (printer.outputFormat() == QPrinter::PdfFormat && !isCompletePdf(file)) {
    throw plot::PageError("the file " + QDir::toNativeSeparators(file).toStdString() +
                          " was not written completely");
  }
}

}  // namespace tavelor::qt

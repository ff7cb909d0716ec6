#include "qt/pdf_destination.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "plot/page_surface.h"
#include "plot/pdf_name.h"

namespace tavelor::qt {

std::string PrintDestination::deviceName() const {
  if (!queue.isNull()) return queue.printerName().toStdString();
  return "PDF file in " + QDir::toNativeSeparators(pdfFolder).toStdString();
}

QString documentsFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return folder.isEmpty() || !QFileInfo(folder).isDir() ? QDir::homePath() : folder;
}

PrintDestination systemPrintDestination(const QString& folder) {
  PrintDestination destination{QPrinterInfo::defaultPrinter(), {}};
  if (destination.queue.isNull()) {
    const QList<QPrinterInfo> queues = QPrinterInfo::availablePrinters();
    if (!queues.isEmpty()) destination.queue = queues.front();
  }
  if (destination.queue.isNull()) {
    destination.pdfFolder =
        !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : documentsFolder();
  }
  return destination;
}

}  // namespace tavelor::qt

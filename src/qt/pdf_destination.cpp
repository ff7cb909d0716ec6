#include "qt/pdf_destination.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "plot/page_surface.h"
#include "plot/pdf_name.h"

namespace tavelor::qt {

namespace {

constexpr int kMaxNumberedNames = 9999;

QString numberedPdfPath(const QDir& dir, const QString& base, int n) {
  return dir.filePath(n == 1 ? base + QStringLiteral(".pdf")
                             : QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
}

}  // namespace

QString freePdfPath(const QString& folder, const std::string& sheetName) {
  const QString base = QString::fromStdString(plot::pdfBaseName(sheetName));
  const QDir dir(folder);
  for (int n = 1; n <= kMaxNumberedNames; ++n) {
    const QString path = numberedPdfPath(dir, base, n);
    if (!QFileInfo::exists(path)) return path;
  }
  return numberedPdfPath(dir, base, 1);
}

QString reservePdfPath(const QString& folder, const std::string& sheetName) {
  const QString base = QString::fromStdString(plot::pdfBaseName(sheetName));
  const QDir dir(folder);
  for (int n = 1; n <= kMaxNumberedNames; ++n) {
    const QString path = numberedPdfPath(dir, base, n);
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

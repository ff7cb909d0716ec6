#include "qt/pdf_destination.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <string_view>

#include "plot/page_surface.h"

namespace tavelor::qt {

namespace {

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

namespace {

QString numberedPdfPath(const QDir& dir, const QString& base, int n) {
  return dir.filePath(n == 1 ? base + QStringLiteral(".pdf")
                             : QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
}

}  // namespace

QString freePdfPath(const QString& folder, const std::string& sheetName) {
  const QString base = pdfBaseName(sheetName);
  const QDir dir(folder);
  for (int n = 1; n <= kMaxNumberedNames; ++n) {
    const QString path = numberedPdfPath(dir, base, n);
    if (!QFileInfo::exists(path)) return path;
  }
  return numberedPdfPath(dir, base, 1);
}

QString reservePdfPath(const QString& folder, const std::string& sheetName) {
  const QString base = pdfBaseName(sheetName);
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

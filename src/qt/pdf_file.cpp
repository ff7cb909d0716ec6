#include "qt/pdf_file.h"

#include <QFile>
#include <algorithm>

namespace tavelor::qt {

bool isCompletePdf(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() < 8) return false;
  const qint64 tail = std::min<qint64>(file.size(), 64);
  return file.seek(file.size() - tail) && file.read(tail).contains("%%EOF");
}

}  // namespace tavelor::qt

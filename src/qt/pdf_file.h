#pragma once

#include <QString>

namespace tavelor::qt {

// A finished PDF ends with its end-of-file marker; a file cut short by a full disk does not.
bool isCompletePdf(const QString& path);

}  // namespace tavelor::qt

#pragma once

// Where a printed page goes: the system's print queue, or a PDF file in a folder of the user's
// when the system has no printer (named by plot::reservePdfPath).

#include <QPrinterInfo>
#include <QString>
#include <string>

namespace tavelor::qt {

// Where this system prints: the default print queue, else the first one there is; with no print
// queue at all (queue null), a new PDF file in pdfFolder: the given folder when it is one, else
// the user's documents folder, or the home folder when there is none.
struct PrintDestination {
  QPrinterInfo queue;
  QString pdfFolder;
  // The queue's name, or "PDF file in <folder>", for the printer question.
  std::string deviceName() const;
};
PrintDestination systemPrintDestination(const QString& folder);
// The user's documents folder, or the home folder when there is none.
QString documentsFolder();

}  // namespace tavelor::qt

#pragma once

// Where a printed page goes: the system's print queue, or a PDF file in a folder of the user's
// when the system has no printer, and how such a file is named.

#include <QPrinterInfo>
#include <QString>
#include <string>

namespace tavelor::qt {

// Takes the first free name among "<base>.pdf", "<base> (2).pdf", "<base> (3).pdf" ... in folder
// by creating it empty (so no other writer can take it in between) and returns its path. Never
// touches an existing file. Throws plot::PageError when the folder cannot take a new file.
QString reservePdfPath(const QString& folder, const std::string& sheetName);
// The name reservePdfPath would take now, without creating it (for the printer question).
QString freePdfPath(const QString& folder, const std::string& sheetName);

// Where this system prints: the default print queue, else the first one there is; with no print
// queue at all (queue null), a new PDF file in pdfFolder: the given folder when it is one, else
// the user's documents folder, or the home folder when there is none.
struct PrintDestination {
  QPrinterInfo queue;
  QString pdfFolder;
  // The queue's name, or "PDF file in <folder>", for the printer question.
  std::string deviceName() const;
};
PrintDestination systemPrintDestination(const QString& folder = {});
// The user's documents folder, or the home folder when there is none.
QString documentsFolder();

}  // namespace tavelor::qt

#pragma once

#include <string>

namespace tavelor::plot {

// The first free name in folder among "<base>.pdf", "<base> (2).pdf", "<base> (3).pdf" ... (base:
// the sheet name with path separators, wildcards, quotes and control characters as "_", leading
// and trailing blanks and dots gone, at most 200 bytes of UTF-8, "sheet" when nothing is left),
// without creating it (for the printer question); the first when all are taken.
std::string freePdfPath(const std::string& folder, const std::string& sheetName);

// Takes the first free name by creating it empty (so no other writer can take it in between)
// and returns its path. Never touches an existing file. Throws PageError when the folder cannot
// take a new file.
std::string reservePdfPath(const std::string& folder, const std::string& sheetName);

}  // namespace tavelor::plot

#pragma once

#include <string>

namespace tavelor::plot {

// The sheet name as the base of a file name: path separators, wildcards, quotes and control
// characters become "_", leading and trailing blanks and dots go, at most 200 bytes of UTF-8.
// "sheet" when nothing is left.
std::string pdfBaseName(const std::string& sheetName);

}  // namespace tavelor::plot

#include "plot/pdf_name.h"

#include <string_view>

namespace tavelor::plot {

namespace {

constexpr std::size_t kMaxBaseNameBytes = 200;

bool isForbiddenInFileName(unsigned char c) {
  if (c < 0x20 || c == 0x7f) return true;
  return std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

}  // namespace

std::string pdfBaseName(const std::string& sheetName) {
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
  if (first == std::string::npos) return "sheet";
  const auto last = base.find_last_not_of(" .");
  return base.substr(first, last - first + 1);
}

}  // namespace tavelor::plot

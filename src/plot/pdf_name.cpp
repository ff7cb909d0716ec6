#include "plot/pdf_name.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>

#include "plot/page_surface.h"

namespace tavelor::plot {

namespace {

constexpr std::size_t kMaxBaseNameBytes = 200;
constexpr int kMaxNumberedNames = 9999;

std::string numberedPdfPath(const std::string& folder, const std::string& base, int n) {
  const std::string name = n == 1 ? base + ".pdf" : base + " (" + std::to_string(n) + ").pdf";
  return (std::filesystem::path(folder) / name).string();
}

bool isForbiddenInFileName(unsigned char c) {
  if (c < 0x20 || c == 0x7f) return true;
  return std::string_view("/\\:*?\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
}

// The sheet name as the base of a file name (see freePdfPath).
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

}  // namespace

std::string freePdfPath(const std::string& folder, const std::string& sheetName) {
  const std::string base = pdfBaseName(sheetName);
  for (int n = 1; n <= kMaxNumberedNames; ++n) {
    const std::string path = numberedPdfPath(folder, base, n);
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) return path;
  }
  return numberedPdfPath(folder, base, 1);
}

std::string reservePdfPath(const std::string& folder, const std::string& sheetName) {
  const std::string base = pdfBaseName(sheetName);
  for (int n = 1; n <= kMaxNumberedNames; ++n) {
    const std::string path = numberedPdfPath(folder, base, n);
    // O_EXCL fails on an existing name, so a file that appears meanwhile is never replaced.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return path;
    }
    if (errno != EEXIST) throw PageError("cannot create " + path + ": " + std::strerror(errno));
  }
  throw PageError("no free file name for " + base + " in " + folder);
}

}  // namespace tavelor::plot

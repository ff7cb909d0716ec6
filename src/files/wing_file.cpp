#include "files/wing_file.h"

#include <cerrno>
#include <system_error>
#include <utility>

#include "base/atomic_file.h"
#include "base/cp1252.h"
#include "base/file_read.h"

namespace tavelor::files {

namespace {

// A line ends at CR LF, at LF alone (a file edited on Linux) or at CR alone.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : rest_(bytes) {}
  // Nothing left but empty or blanks-only lines, as a file edited by hand often ends.
  bool atEnd() const { return rest_.find_first_not_of(" \t\r\n") == std::string_view::npos; }
  std::string_view peekLine() const { return LineReader(*this).readLine().value_or(""); }
  std::optional<std::string_view> readLine() {
    if (rest_.empty()) return std::nullopt;
    const auto end = rest_.find_first_of("\r\n");
    if (end == std::string_view::npos) return std::exchange(rest_, {});
    const auto line = rest_.substr(0, end);
    const bool crLf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
    rest_.remove_prefix(end + (crLf ? 2 : 1));
    return line;
  }

 private:
  std::string_view rest_;
};

// The header, then one line per text.
template <std::size_t N>
std::string recordBytes(std::string_view header, const std::array<std::string, N>& texts) {
  std::string bytes;
  auto addLine = [&bytes](std::string_view line) {
    bytes.append(line);
    bytes.append("\r\n");
  };
  addLine(header);
  for (std::string text : texts) {
    for (char& c : text) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    addLine(base::encodeCp1252(text));
  }
  return bytes;
}

}  // namespace

std::string wingFileBytes(const WingTexts& texts) { return recordBytes(kFileHeader, texts); }

bool hasStabiliser(const TailTexts& texts) {
  for (std::size_t i = 0; i < kStabiliserFieldCount; ++i) {
    if (texts[i].find_first_not_of(' ') != std::string::npos) return true;
  }
  return false;
}

std::string tailRecordBytes(const TailTexts& texts) {
  return hasStabiliser(texts) ? recordBytes(kTailHeader, texts) : std::string();
}

WingFileLines readWingFileLines(std::string_view bytes) {
  WingFileLines out;
  // A text editor may put a byte-order mark before the header.
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  LineReader lines(bytes);
  while (!lines.atEnd()) {
    const auto header = *lines.readLine();
    if (header.starts_with(kTailMark)) {
      TailTexts& tail = out.tail.emplace();
      for (std::string& text : tail) {
        // The height came last and later: an older record ends before it.
        if (&text == &tail.back() && (lines.atEnd() || lines.peekLine().starts_with(kMassMark))) {
          break;
        }
        const auto line = lines.readLine();
        if (!line) {
          out.error = FileError{kReadPastEndError, kReadPastEndText};
          return out;
        }
        text = base::decodeCp1252(*line);
      }
      continue;
    }
    for (std::size_t slot = 0; slot < kFieldCount; ++slot) {
      const auto line = lines.readLine();
      if (!line) {
        out.error = FileError{kReadPastEndError, kReadPastEndText};
        return out;
      }
      const bool isMass = slot + 1 == kFieldCount;
      if (!isMass || header.substr(0, kMassMark.size()) == kMassMark) {
        out.lines.push_back({slot, base::decodeCp1252(*line)});
      }
    }
  }
  return out;
}

std::optional<FileError> readWingFileBytes(const std::string& path, std::string& bytes) {
  auto read = base::readWholeFile(path, kMaxWingFileBytes);
  switch (read.status) {
    case base::ReadStatus::Ok:
      bytes = std::move(read.bytes);
      return std::nullopt;
    case base::ReadStatus::Missing:
      return FileError{ENOENT, std::generic_category().message(ENOENT)};
    case base::ReadStatus::Fault:
      break;
  }
  if (read.errorNumber == EFBIG) return FileError{EFBIG, kTooLargeText};
  return FileError{read.errorNumber, read.errorText};
}

std::optional<FileError> writeFileBytes(const std::string& path, std::string_view bytes) {
  FileError error;
  if (base::replaceFileAtomically(path, bytes, &error.description, &error.number)) {
    return std::nullopt;
  }
  return error;
}

}  // namespace tavelor::files

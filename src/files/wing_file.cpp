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
  bool exhausted() const { return rest_.empty(); }
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
template <typename Texts>
std::string recordBytes(std::string_view header, const Texts& texts) {
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

// Whether any of the stabiliser's fields holds more than blanks: only then is a tail stored.
bool hasStabiliser(const TailTexts& texts) {
  for (std::size_t i = 0; i < kStabiliserFieldCount; ++i) {
    if (texts[i].find_first_not_of(' ') != std::string::npos) return true;
  }
  return false;
}

}  // namespace

std::string wingDocumentBytes(const WingDocument& document) {
  std::string bytes = recordBytes(kFileHeader, document.texts);
  if (hasStabiliser(document.tail)) bytes += recordBytes(kTailHeader, document.tail);
  if (!document.ribs.empty()) bytes += recordBytes(kRibsHeader, document.ribs);
  return bytes;
}

WingFileReading wingDocumentOf(std::string_view bytes, std::string name) {
  WingFileReading out;
  WingDocument& document = out.document.emplace();
  document.name = std::move(name);
  // A text editor may put a byte-order mark before the header.
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  LineReader lines(bytes);
  while (!lines.atEnd()) {
    const auto header = *lines.readLine();
    if (header.starts_with(kRibsMark)) {
      document.ribs.clear();
      while (!lines.exhausted() && !lines.peekLine().starts_with(kMassMark)) {
        document.ribs.push_back(base::decodeCp1252(*lines.readLine()));
      }
      // Blank lines the file ends with are no part of the record.
      while (!document.ribs.empty() &&
             document.ribs.back().find_first_not_of(" \t") == std::string::npos) {
        document.ribs.pop_back();
      }
      continue;
    }
    const bool isTail = header.starts_with(kTailMark);
    if (isTail) document.tail = {};
    const std::size_t count = isTail ? kTailFieldCount : kFieldCount;
    for (std::size_t slot = 0; slot < count; ++slot) {
      // The height came last and later: an older tail record ends before it.
      if (isTail && slot + 1 == count &&
          (lines.exhausted() || lines.peekLine().starts_with(kMassMark))) {
        break;
      }
      const auto line = lines.readLine();
      if (!line) {
        out.error = FileError{kReadPastEndError, kReadPastEndText};
        return out;
      }
      if (isTail) {
        document.tail[slot] = base::decodeCp1252(*line);
      } else if (slot + 1 < count || header.starts_with(kMassMark)) {
        document.texts[slot] = base::decodeCp1252(*line);
      }
    }
  }
  return out;
}

std::string wingNameOf(const std::string& path) {
  std::string name = base::fileNameOf(path);
  const auto dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name;
}

WingFileReading readWingDocument(const std::string& path) {
  auto read = base::readWholeFile(path, kMaxWingFileBytes);
  switch (read.status) {
    case base::ReadStatus::Ok:
      return wingDocumentOf(read.bytes, wingNameOf(path));
    case base::ReadStatus::Missing:
      return {std::nullopt, FileError{ENOENT, std::generic_category().message(ENOENT)}};
    case base::ReadStatus::Fault:
      break;
  }
  if (read.errorNumber == EFBIG) return {std::nullopt, FileError{EFBIG, kTooLargeText}};
  return {std::nullopt, FileError{read.errorNumber, read.errorText}};
}

std::optional<FileError> writeFileBytes(const std::string& path, std::string_view bytes) {
  FileError error;
  if (base::replaceFileAtomically(path, bytes, &error.description, &error.number)) {
    return std::nullopt;
  }
  return error;
}

}  // namespace tavelor::files

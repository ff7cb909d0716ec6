#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavelor::files {

// The first line of every wing data file; its first three characters mark a file with the mass.
inline constexpr std::string_view kFileHeader = "Z2O-Please don't Delete ....";
inline constexpr std::string_view kMassMark = "Z2O";

// A wing data file is a few hundred bytes; anything beyond this is no wing data file.
inline constexpr std::size_t kMaxWingFileBytes = 64 * 1024;

// The texts of one wing, one per line after the header: each panel's root chord, tip chord,
// length and sweep (root panel first), the centring and the mass. Texts are UTF-8.
inline constexpr std::size_t kFieldCount = 22;
using WingTexts = std::array<std::string, kFieldCount>;

// The errors of our own in the file-error message; every other one is the system's errno.
inline constexpr int kReadPastEndError = 62;
inline constexpr const char* kReadPastEndText = "Input past end of file";
// Shown with EFBIG for a file over kMaxWingFileBytes.
inline constexpr const char* kTooLargeText = "The file is too large to be a wing data file";

// The stabiliser and its place behind the wing, stored after a wing's record when the builder
// typed a stabiliser: the header line, then the texts of the stability window's fields: the
// stabiliser's panel 1 (root chord, tip chord, length, sweep), its panel 2, the tail arm, the tail
// efficiency, the wanted static margin and the stabiliser's height above the wing. Files written
// before the height have one line less: the record then ends at the margin.
inline constexpr std::string_view kTailHeader = "Z2O-Tail ....";
inline constexpr std::string_view kTailMark = "Z2O-Tail";
inline constexpr std::size_t kTailFieldCount = 12;
inline constexpr std::size_t kStabiliserFieldCount = 8;  // the panels' texts, first in the record
using TailTexts = std::array<std::string, kTailFieldCount>;

// The ribs, stored last when the builder set them up: the header line, then the rib record's
// lines (rib/rib_record.h), as many as it has; the record ends at the file's end or at the next
// line starting with kMassMark.
inline constexpr std::string_view kRibsHeader = "Z2O-Ribs ....";
inline constexpr std::string_view kRibsMark = "Z2O-Ribs";

struct FileError {
  int number = 0;
  std::string description;
};

// What a wing file holds: each field's text as it was stored (a new document's are empty but the
// centring, "30"), the stability window's texts (all empty without a stabiliser), the rib
// record's lines (none for a wing whose ribs were never set up) and the wing's name, the file's
// name without its folder and extension.
struct WingDocument {
  WingTexts texts = newTexts();
  TailTexts tail;
  std::vector<std::string> ribs;
  std::string name;
  bool operator==(const WingDocument&) const = default;
  static WingTexts newTexts() {
    WingTexts texts;
    texts[kFieldCount - 2] = "30";
    return texts;
  }
};

// The file's bytes: Windows-1252, CR LF after every line; the wing's record, then the tail's
// when there is a stabiliser, the ribs' when there are rib lines. A line break inside a text would
// split the record, so each CR and LF in a text is written as a blank. A document read from a file
// written so gives the same bytes.
std::string wingDocumentBytes(const WingDocument& document);

// A file's records put into a new document, each later one replacing the earlier: the mass only
// from a record whose header carries the mark. A record whose header starts with kTailMark gives
// the tail instead; its height stays empty when no line follows the margin or a record's header
// (kMassMark) does. A record whose header starts with kRibsMark gives the rib lines. Empty and
// blanks-only lines after the last record and a UTF-8 byte-order mark before the first are no part
// of the file.
struct WingFileReading {
  std::optional<WingDocument> document;  // nothing when the file cannot be read at all
  // With a document: a record cut short, the document holding the lines before the cut.
  std::optional<FileError> error;
};
WingFileReading wingDocumentOf(std::string_view bytes, std::string name = {});

// The wing's name in a file name: without its folder and extension.
std::string wingNameOf(const std::string& path);

// The document in the file at path, named after it; or the error alone for a missing, unreadable
// or oversized file.
WingFileReading readWingDocument(const std::string& path);

// Replaces the file with bytes atomically; the old file survives any failure.
std::optional<FileError> writeFileBytes(const std::string& path, std::string_view bytes);

}  // namespace tavelor::files

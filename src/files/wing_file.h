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

struct FileError {
  int number = 0;
  std::string description;
};

// The file's bytes: Windows-1252, CR LF after every line. A line break inside a text would split
// the record, so each CR and LF in a text is written as a blank.
std::string wingFileBytes(const WingTexts& texts);

// One line of a file, destined for the text at slot.
struct FieldLine {
  std::size_t slot;
  std::string text;
};

// A file's lines in the order they are to be typed in: record after record, each later one
// replacing the earlier; the mass only from a record whose header carries the mark. A record cut
// short gives the lines before the cut, then the read-past-end error.
struct WingFileLines {
  std::vector<FieldLine> lines;
  std::optional<FileError> error;
};
WingFileLines readWingFileLines(std::string_view bytes);

// The whole file, or the error to show: a missing, unreadable or oversized file.
std::optional<FileError> readWingFileBytes(const std::string& path, std::string& bytes);

// Replaces the file with bytes atomically; the old file survives any failure.
std::optional<FileError> writeFileBytes(const std::string& path, std::string_view bytes);

}  // namespace tavelor::files

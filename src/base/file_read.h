#pragma once

#include <cstddef>
#include <string>

namespace tavelor::base {

enum class ReadStatus { Ok, Missing, Fault };

struct FileRead {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;      // the whole file when status is Ok
  int errorNumber = 0;    // errno of the fault
  std::string errorText;  // its description
};

// The settings and language files are a few kilobytes; anything past this is not one of them.
inline constexpr std::size_t kMaxSettingsFileBytes = 16 * 1024 * 1024;

// Reads a whole file. A path that does not exist is Missing (no fault: callers read it as empty).
// Anything else that goes wrong is a Fault with its errno: a folder (EISDIR), a device or pipe
// (EINVAL; never blocks on a pipe), a file over maxBytes (EFBIG), permission or read errors.
FileRead readWholeFile(const std::string& path, std::size_t maxBytes = kMaxSettingsFileBytes);

// A path's folder ("" for a bare name, "/" for a file at the root) and its file name.
std::string folderOf(const std::string& path);
std::string fileNameOf(const std::string& path);

}  // namespace tavelor::base

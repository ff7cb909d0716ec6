#include "base/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace tavelor::base {
namespace {

FileRead fault(int errorNumber) {
  FileRead result;
  result.status = ReadStatus::Fault;
  result.errorNumber = errorNumber;
  result.errorText = std::generic_category().message(errorNumber);
  return result;
}

}  // namespace

FileRead readWholeFile(const std::string& path, std::size_t maxBytes) {
  // O_NONBLOCK: opening a pipe must not wait for a writer; regular files ignore it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return {};
    return fault(errno);
  }
  struct stat info {};
  FileRead result;
  if (::fstat(fd, &info) != 0) {
    result = fault(errno);
  } else if (S_ISDIR(info.st_mode)) {
    result = fault(EISDIR);
  } else if (!S_ISREG(info.st_mode)) {
    result = fault(EINVAL);
  } else {
    // Read to the end rather than trusting st_size: some files report 0 and still have content.
    result.status = ReadStatus::Ok;
    char buffer[16384];
    for (;;) {
      const ssize_t n = ::read(fd, buffer, sizeof buffer);
      if (n < 0) {
        if (errno == EINTR) continue;
        result = fault(errno);
        break;
      }
      if (n == 0) break;
      if (result.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
        result = fault(EFBIG);
        break;
      }
      result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
  }
  ::close(fd);
  return result;
}

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string()
                                    : path.substr(0, std::max<std::size_t>(slash, 1));
}

std::string fileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

}  // namespace tavelor::base

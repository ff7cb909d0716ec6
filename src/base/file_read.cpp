#include "base/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

}  // namespace tavelor::base

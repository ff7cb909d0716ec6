#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>
#include <vector>

namespace tavelor::base {
namespace {

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

mode_t modeForNewFile() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool replaceFileAtomically(const std::string& path, std::string_view bytes, std::string* errorText,
                           int* errorNumber) {
  const auto fail = [&](int error) {
    if (errorNumber) *errorNumber = error;
    if (errorText) *errorText = std::generic_category().message(error);
    return false;
  };
  if (path.empty()) return fail(ENOENT);
  if (path.back() == '/') return fail(EISDIR);

  const auto slash = path.rfind('/');
  const std::string folder =
      slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
  // A short fixed name, so that a long target name cannot make the temporary's name too long.
  std::string pattern =
      (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".tavelor-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');

  const int fd = ::mkstemp(name.data());
  if (fd < 0) return fail(errno);
  const std::string temporary(name.data());

  struct stat existing {};
  const mode_t mode = ::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)
                          ? existing.st_mode & 07777
                          : modeForNewFile();
  ::fchmod(fd, mode);  // best effort: some file systems have no modes

  int error = 0;
  if (!writeAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return fail(error);
  }
  syncFolder(folder);
  return true;
}

}  // namespace tavelor::base

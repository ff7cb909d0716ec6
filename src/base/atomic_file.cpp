#include "base/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>
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

std::string folderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

// Makes the rename itself durable; a folder that cannot be synced is no reason to fail.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The file a write to path reaches: the end of its chain of symbolic links (even one that
// points nowhere yet, as a plain write would create it), or path itself.
std::string followLinks(std::string path) {
  for (int depth = 0; depth < 40; ++depth) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::vector<char> target(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 255) + 1);
    const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= target.size()) return path;
    std::string next(target.data(), static_cast<std::size_t>(n));
    const auto slash = path.rfind('/');
    if (next.front() != '/' && slash != std::string::npos) next = path.substr(0, slash + 1) + next;
    path = std::move(next);
  }
  return path;  // a loop: the open below reports it
}

// Writes over the existing file itself, checked and flushed, then cuts it to the new length.
int overwriteInPlace(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = 0;
  if (!writeAll(fd, bytes) || ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 ||
      ::fsync(fd) != 0) {
    error = errno;
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

}  // namespace

bool replaceFileAtomically(const std::string& requestedPath, std::string_view bytes,
                           std::string* errorText, int* errorNumber) {
  const auto fail = [&](int error) {
    if (errorNumber) *errorNumber = error;
    if (errorText) *errorText = std::generic_category().message(error);
    return false;
  };
  if (requestedPath.empty()) return fail(ENOENT);
  if (requestedPath.back() == '/') return fail(EISDIR);
  // The rename replaces the link's target, so the link keeps pointing where it did.
  const std::string path = followLinks(requestedPath);

  struct stat existing {};
  const bool exists = ::stat(path.c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return fail(errno);  // a link loop, a file used as a folder
  if (exists && S_ISDIR(existing.st_mode)) return fail(EISDIR);
  // The rename needs only the folder's permission; refuse what a plain write would be refused.
  if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return fail(errno);

  const auto slash = path.rfind('/');
  const std::string folder = folderOf(path);
  // A short fixed name, so that a long target name cannot make the temporary's name too long.
  std::string pattern =
      (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) + ".tavelor-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');

  const int fd = ::mkstemp(name.data());
  if (fd < 0) {
    const int error = errno;
    // A folder the user may not write can still hold a file made writable for them (a tv.ini
    // in a system-wide program folder). No temporary can go beside it, so the file is written
    // where it is: not atomic, but every write and the flush are checked, and it is the only
    // way to save there at all.
    if (error == EACCES && exists && S_ISREG(existing.st_mode)) {
      const int inPlaceError = overwriteInPlace(path, bytes);
      return inPlaceError == 0 || fail(inPlaceError);
    }
    return fail(error);
  }
  const std::string temporary(name.data());

  const mode_t mode =
      exists && S_ISREG(existing.st_mode) ? existing.st_mode & 07777 : modeForNewFile();
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

bool mayReplaceFile(const std::string& requestedPath) {
  const std::string path = followLinks(requestedPath);
  if (::faccessat(AT_FDCWD, path.c_str(), F_OK, AT_EACCESS) == 0) {
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
  }
  return ::faccessat(AT_FDCWD, folderOf(path).c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

}  // namespace tavelor::base

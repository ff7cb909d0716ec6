#include "base/atomic_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <random>
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

// Writes over the existing file itself, checked and flushed, then cuts it to the new length. The
// space for the new bytes is taken first, so a full disk refuses the write before the first old
// byte is lost; where the space cannot be made sure of, the write is refused.
int overwriteInPlace(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = 0;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    error = errno;
  } else if (!S_ISREG(info.st_mode)) {
    error = EINVAL;  // replaced by another kind of node since it was looked at
  } else if (!bytes.empty() && ::fallocate(fd, 0, 0, static_cast<off_t>(bytes.size())) != 0) {
    error = errno;
  } else if (!writeAll(fd, bytes) || ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 ||
             ::fsync(fd) != 0) {
    error = errno;
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

// Our own temporary files: ".tavelor-" and six letters or digits.
constexpr std::string_view kTemporaryPrefix = ".tavelor-";
constexpr std::size_t kTemporaryNameLength = kTemporaryPrefix.size() + 6;
// Older than this, a temporary of ours is what a killed save left behind, not one being written.
constexpr std::time_t kStaleSeconds = 5 * 60;

bool isTemporaryName(std::string_view name) {
  if (name.size() != kTemporaryNameLength || !name.starts_with(kTemporaryPrefix)) return false;
  for (const char c : name.substr(kTemporaryPrefix.size())) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// Removes the temporary files of ours that a save killed before its rename left in folder.
void removeStaleTemporaries(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return;
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = ::readdir(dir)) {
    struct stat info {};
    if (!isTemporaryName(entry->d_name) ||
        ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
      continue;
    }
    if (S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
        now - info.st_mtime > kStaleSeconds) {
      ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
  }
  ::closedir(dir);
}

// A name in path's folder.
std::string beside(const std::string& path, std::string_view name) {
  const auto slash = path.rfind('/');
  return (slash == std::string::npos ? std::string() : path.substr(0, slash + 1)) +
         std::string(name);
}

// A fresh temporary name beside path, for the unnamed file's link.
std::string temporaryPath(const std::string& path) {
  static constexpr char kLetters[] =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937 random{std::random_device{}()};
  std::string name(kTemporaryPrefix);
  for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
  return beside(path, name);
}

// A file without a name in folder (O_TMPFILE), or -1 with errno set. It is named later through
// /proc; without /proc it is not made at all (EOPNOTSUPP).
int openUnnamed(const std::string& folder, mode_t mode) {
  if (::access("/proc/self/fd", X_OK) != 0) {
    errno = EOPNOTSUPP;
    return -1;
  }
  return ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
}

// Gives the unnamed file fd a free temporary name beside path; false with errno set.
bool linkUnnamed(int fd, const std::string& path, std::string& temporary) {
  const std::string self = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = temporaryPath(path);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

}  // namespace

bool replaceFileAtomically(const std::string& requestedPath, std::string_view bytes,
                           std::string* errorText, int* errorNumber) {
  const auto fail = [&](int error, const char* text = nullptr) {
    if (errorNumber) *errorNumber = error;
    if (errorText) *errorText = text ? text : std::generic_category().message(error);
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
  // A device, a pipe or a socket is never replaced by a file, nor written to.
  if (exists && !S_ISREG(existing.st_mode)) return fail(EINVAL, kNotRegularFileText);
  // The rename needs only the folder's permission; refuse what a plain write would be refused.
  if (exists && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return fail(errno);

  const std::string folder = folderOf(path);
  const mode_t mode = exists ? existing.st_mode & 07777 : modeForNewFile();
  removeStaleTemporaries(folder);
  // The bytes go to a file without a name, which a kill takes away with the process; only once
  // they are on disk does it get a name, for the rename. Where the file system has no unnamed
  // files, a named temporary file takes its place.
  int fd = openUnnamed(folder, mode);
  const bool unnamed = fd >= 0;
  int openError = unnamed ? 0 : errno;
  std::string temporary;
  if (openError == EOPNOTSUPP || openError == EISDIR || openError == EINVAL) {
    // A short fixed name, so that a long target name cannot make the temporary's too long.
    const std::string pattern = beside(path, std::string(kTemporaryPrefix) + "XXXXXX");
    std::vector<char> name(pattern.c_str(), pattern.c_str() + pattern.size() + 1);
    fd = ::mkstemp(name.data());
    openError = fd >= 0 ? 0 : errno;
    if (fd >= 0) temporary = name.data();
  }
  if (fd < 0) {
    const int error = openError;
    // A folder the user may not write can still hold a file made writable for them (a tv.ini
    // in a system-wide program folder). No temporary can go beside it, so the file is written
    // where it is: not atomic, but the space is taken first, every write and the flush are
    // checked, and it is the only way to save there at all.
    if (error == EACCES && exists) {
      const int inPlaceError = overwriteInPlace(path, bytes);
      return inPlaceError == 0 || fail(inPlaceError);
    }
    return fail(error);
  }
  ::fchmod(fd, mode);  // best effort: some file systems have no modes

  int error = 0;
  if (!writeAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
  if (error == 0 && unnamed && !linkUnnamed(fd, path, temporary)) {
    error = errno;
    temporary.clear();
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    if (!temporary.empty()) ::unlink(temporary.c_str());
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

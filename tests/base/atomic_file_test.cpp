#include "base/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "support/file_size_limit.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

namespace tavelor::base {
namespace {

// A save does only what a plain write could, and one that fails leaves the folder as it was: the
// old bytes, no temporary file. Each folder holds "wing.txt", "link.txt" pointing to it, the
// empty folder "sub" and the pipe "fifo".
TEST(ReplaceFile, WritesOnlyWhatTheUserMayWriteAndFailsCleanly) {
  testing::asOrdinaryUser([] {
    namespace fs = std::filesystem;
    const struct {
      const char* target;
      int fileMode, folderMode;
      rlim_t bytesLimit;  // writes past it fail as on a full disk; 0: none
      int error;
      const char* wing;  // wing.txt afterwards
    } cases[] = {
        {"wing.txt", 0444, 0755, 0, EACCES, "old"},  // a file the user may not write
        {"link.txt", 0644, 0755, 0, 0, "newer"},     // written through the link
        {"wing.txt", 0644, 0555, 0, 0, "newer"},     // written in place
        {"new.txt", 0644, 0555, 0, EACCES, "old"},   // no new file in a read-only folder
        {"wing.txt", 0644, 0755, 2, EFBIG, "old"},   // the disk fills up
        {"wing.txt", 0644, 0555, 4, EFBIG, "old"},   // ... before the first byte in place
        {"sub", 0644, 0755, 0, EISDIR, "old"},
        {"fifo", 0644, 0755, 0, EINVAL, "old"},  // never a file in place of a pipe or device
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(&c - cases);  // the row
      testing::TempFolder folder;
      folder.write("wing.txt", "old");
      fs::create_symlink("wing.txt", folder.file("link.txt"));
      fs::create_directory(folder.file("sub"));
      ::mkfifo(folder.file("fifo").c_str(), 0644);
      fs::permissions(folder.file("wing.txt"), fs::perms(c.fileMode));
      fs::permissions(folder.path(), fs::perms(c.folderMode));
      std::string errorText;
      int error = 0;
      {
        std::optional<testing::FileSizeLimit> limit;
        if (c.bytesLimit) limit.emplace(c.bytesLimit);
        EXPECT_EQ(replaceFileAtomically(folder.file(c.target), "newer", &errorText, &error),
                  c.error == 0);
      }
      EXPECT_EQ(error, c.error);
      EXPECT_EQ(errorText.empty(), c.error == 0);
      fs::permissions(folder.path(), fs::perms(0755));
      EXPECT_EQ(folder.read("wing.txt"), c.wing);
      EXPECT_TRUE(fs::is_fifo(folder.file("fifo")));
      EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 4);
    }
  });
}

// A save killed while it writes leaves no file of its own behind, and the next one removes what
// older, killed saves left: temporaries of ours a few minutes old, not one still being written.
TEST(ReplaceFile, KilledSaveLeavesNothingBehind) {
  namespace fs = std::filesystem;
  testing::TempFolder folder;
  folder.write("wing.txt", "old");
  folder.write(".tavelor-Ab12Cd", "left by a kill");
  const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
  fs::last_write_time(folder.file(".tavelor-Ab12Cd"), anHourAgo);
  folder.write(".tavelor-Zz99Yy", "being written");
  const auto killedSave = [&folder] {
    const rlimit noCore{0, 0}, small{4096, RLIM_INFINITY};
    ::setrlimit(RLIMIT_CORE, &noCore);
    ::setrlimit(RLIMIT_FSIZE, &small);  // its SIGXFSZ kills the save in the middle
    replaceFileAtomically(folder.file("wing.txt"), std::string(1 << 20, 'x'), nullptr, nullptr);
    std::_Exit(0);
  };
  EXPECT_EXIT(killedSave(), ::testing::KilledBySignal(SIGXFSZ), "");
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.path())) {
    names.insert(entry.path().filename().string());
  }
  EXPECT_EQ(names, (std::set<std::string>{".tavelor-Zz99Yy", "wing.txt"}));
  EXPECT_EQ(folder.read("wing.txt"), "old");
}

}  // namespace
}  // namespace tavelor::base

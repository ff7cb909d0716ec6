#include "base/atomic_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "support/file_size_limit.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

namespace tavelor::base {
namespace {

// A failed replace leaves the folder as it was: the old bytes, no temporary file. Each target
// lies in a folder holding the file "wing.txt" and the empty folder "sub".
TEST(ReplaceFile, FailureLeavesTheFolderUntouched) {
  const struct {
    const char* target;
    std::size_t bytesLimit;  // writes past it fail as on a full disk; 0: none
    int error;
  } cases[] = {{"wing.txt", 8, EFBIG}, {"sub", 0, EISDIR}, {"missing/wing.txt", 0, ENOENT}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.target);
    testing::TempFolder folder;
    folder.write("wing.txt", "old wing\r\n");
    std::filesystem::create_directory(folder.file("sub"));
    std::string errorText;
    int errorNumber = 0;
    {
      std::optional<testing::FileSizeLimit> limit;
      if (c.bytesLimit) limit.emplace(c.bytesLimit);
      EXPECT_FALSE(replaceFileAtomically(folder.file(c.target), std::string(100, 'n'), &errorText,
                                         &errorNumber));
    }
    EXPECT_EQ(errorNumber, c.error);
    EXPECT_FALSE(errorText.empty());
    EXPECT_EQ(folder.read("wing.txt"), "old wing\r\n");
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path())) {
      names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::set<std::string>{"sub", "wing.txt"}));
  }
}

// Only what a plain write could do: each folder holds "wing.txt" and "link.txt" pointing to it.
TEST(ReplaceFile, WritesOnlyWhatTheUserMayWrite) {
  testing::asOrdinaryUser([] {
    namespace fs = std::filesystem;
    const struct {
      const char* target;
      fs::perms fileMode, folderMode;
      int error;
      const char* wing;  // wing.txt afterwards
    } cases[] = {
        {"wing.txt", fs::perms(0444), fs::perms(0755), EACCES, "old"},
        {"link.txt", fs::perms(0644), fs::perms(0755), 0, "new"},
        {"wing.txt", fs::perms(0644), fs::perms(0555), 0, "new"},  // written in place
        {"new.txt", fs::perms(0644), fs::perms(0555), EACCES, "old"},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(c.target);
      testing::TempFolder folder;
      folder.write("wing.txt", "old");
      fs::create_symlink("wing.txt", folder.file("link.txt"));
      fs::permissions(folder.file("wing.txt"), c.fileMode);
      fs::permissions(folder.path(), c.folderMode);
      int error = 0;
      EXPECT_EQ(replaceFileAtomically(folder.file(c.target), "new", nullptr, &error), c.error == 0);
      EXPECT_EQ(error, c.error);
      fs::permissions(folder.path(), fs::perms(0755));
      EXPECT_EQ(folder.read("wing.txt"), c.wing);
      EXPECT_TRUE(fs::is_symlink(folder.file("link.txt")));
      EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 2);
    }
  });
}

}  // namespace
}  // namespace tavelor::base

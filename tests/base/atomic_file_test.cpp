#include "base/atomic_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>

#include "support/file_size_limit.h"
#include "support/ordinary_user.h"
#include "support/temp_folder.h"

namespace tavelor::base {
namespace {

// A save does only what a plain write could, and one that fails leaves the folder as it was: the
// old bytes, no temporary file. Each folder holds "wing.txt", "link.txt" pointing to it and the
// empty folder "sub".
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
        {"link.txt", 0644, 0755, 0, 0, "new"},       // written through the link
        {"wing.txt", 0644, 0555, 0, 0, "new"},       // written in place
        {"new.txt", 0644, 0555, 0, EACCES, "old"},   // no new file in a read-only folder
        {"wing.txt", 0644, 0755, 2, EFBIG, "old"},   // the disk fills up
        {"sub", 0644, 0755, 0, EISDIR, "old"},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(&c - cases);  // the row
      testing::TempFolder folder;
      folder.write("wing.txt", "old");
      fs::create_symlink("wing.txt", folder.file("link.txt"));
      fs::create_directory(folder.file("sub"));
      fs::permissions(folder.file("wing.txt"), fs::perms(c.fileMode));
      fs::permissions(folder.path(), fs::perms(c.folderMode));
      std::string errorText;
      int error = 0;
      {
        std::optional<testing::FileSizeLimit> limit;
        if (c.bytesLimit) limit.emplace(c.bytesLimit);
        EXPECT_EQ(replaceFileAtomically(folder.file(c.target), "new", &errorText, &error),
                  c.error == 0);
      }
      EXPECT_EQ(error, c.error);
      EXPECT_EQ(errorText.empty(), c.error == 0);
      fs::permissions(folder.path(), fs::perms(0755));
      EXPECT_EQ(folder.read("wing.txt"), c.wing);
      EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 3);
    }
  });
}

}  // namespace
}  // namespace tavelor::base

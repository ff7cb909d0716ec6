#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include "i18n/atomic_file.h"
#include "i18n/language.h"
#include "i18n_test_support.h"
#include "support/file_size_limit.h"

namespace tavelor::i18n {
namespace {

using testing::RecordingBoxes;
using testing::TempFolder;

std::string expectedFault(int error, const std::string& operation) {
  return std::to_string(error) + std::generic_category().message(error) + "\r\n" + operation;
}

using ::tavelor::testing::FileSizeLimit;

class LanguageModuleTest : public ::testing::Test {
 protected:
  TempFolder folder;
  RecordingBoxes boxes;
  LanguageModule module{folder.path(), boxes};
};

TEST_F(LanguageModuleTest, NoSettingsOrLanguageFileReadsEmptyWithoutFault) {
  EXPECT_EQ(module.GetINI("Langue", "1", "/tv.ini"), "");
  EXPECT_EQ(module.GetINIFile("Label", "0"), "");  // no language set yet
  EXPECT_EQ(module.readStoredLanguage(), "");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LanguageModuleTest, WriteCreatesThenReplacesInWindows1252) {
  EXPECT_TRUE(module.WriteINI("Langue", "1", "English", "/tv.ini"));
  EXPECT_EQ(folder.read("tv.ini"), "[Langue]\r\n1=English\r\n");
  EXPECT_TRUE(module.storeLanguage("Fran\u00E7ais"));
  EXPECT_EQ(folder.read("tv.ini"),
            "[Langue]\r\n1=Fran\xE7"
            "ais\r\n");
  EXPECT_EQ(module.readStoredLanguage(), "Fran\u00E7ais");
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(folder.names(), std::vector<std::string>{"tv.ini"});  // no temporary left behind
}

struct CapacityCase {
  const char* name;
  int fileCharacters;
  int settingsCharacters;  // what GetINI gives
  int languageCharacters;  // what GetINIFile gives
};

class LanguageModuleCapacity : public LanguageModuleTest,
                               public ::testing::WithParamInterface<CapacityCase> {};

// The cut counts the file's bytes: 150 "é" are 150 characters on disk, 300 bytes in UTF-8.
TEST_P(LanguageModuleCapacity, CutsInFileCharactersBeforeDecoding) {
  const auto& c = GetParam();
  folder.write("Test.lng", "[S]\r\nk=" + std::string(c.fileCharacters, '\xE9') + "\r\n");
  module.setLanguage("Test");
  std::string e;
  for (int i = 0; i < c.settingsCharacters; ++i) e += "\u00E9";
  EXPECT_EQ(module.GetINI("s", "K", "/Test.lng"), e);
  e.clear();
  for (int i = 0; i < c.languageCharacters; ++i) e += "\u00E9";
  EXPECT_EQ(module.GetINIFile("s", "K"), e);
}

INSTANTIATE_TEST_SUITE_P(Values, LanguageModuleCapacity,
                         ::testing::Values(CapacityCase{"settingsEdge", 99, 99, 99},
                                           CapacityCase{"a150", 150, 99, 150},
                                           CapacityCase{"languageEdge", 199, 99, 199},
                                           CapacityCase{"a250", 250, 99, 199}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageModuleTest, EveryReadSeesTheFileAsItIsNow) {
  folder.write("English.lng", "[Label]\r\n0=Tavelor\r\n");
  module.setLanguage("English");
  EXPECT_EQ(module.GetINIFile("Label", "0"), "Tavelor");
  folder.write("English.lng", "[Label]\r\n0=Wing tool\r\n");
  EXPECT_EQ(module.GetINIFile("Label", "0"), "Wing tool");
  std::filesystem::remove(folder.file("English.lng"));
  EXPECT_EQ(module.GetINIFile("Label", "0"), "");
  EXPECT_TRUE(boxes.shown.empty());
}

struct FaultCase {
  const char* name;
  std::function<void(const TempFolder&)> prepare;
  std::function<bool(LanguageModule&)> run;  // true when the operation reported success / text
  int error;
  const char* operation;
};

class LanguageModuleFault : public LanguageModuleTest,
                            public ::testing::WithParamInterface<FaultCase> {};

TEST_P(LanguageModuleFault, ShowsTheFaultBoxAndCarriesOn) {
  const auto& c = GetParam();
  c.prepare(folder);
  EXPECT_FALSE(c.run(module));
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, expectedFault(c.error, c.operation));
  EXPECT_EQ(boxes.shown[0].title, "tv");
  EXPECT_EQ(boxes.shown[0].icon, Icon::Critical);
  EXPECT_EQ(boxes.shown[0].buttons, Buttons::Ok);
}

const auto makeSettingsFolder = [](const TempFolder& f) {
  std::filesystem::create_directory(f.file("tv.ini"));
};
const auto makeLanguageFolder = [](const TempFolder& f) {
  std::filesystem::create_directory(f.file("English.lng"));
};
const auto nothing = [](const TempFolder&) {};

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageModuleFault,
    ::testing::Values(
        FaultCase{"readSettingsFolder", makeSettingsFolder,
                  [](LanguageModule& m) { return !m.GetINI("Langue", "1", "/tv.ini").empty(); },
                  EISDIR, "GetINI"},
        FaultCase{"readLanguageFolder", makeLanguageFolder,
                  [](LanguageModule& m) {
                    m.setLanguage("English");
                    return !m.GetINIFile("Label", "0").empty();
                  },
                  EISDIR, "GetINIFile"},
        FaultCase{
            "readThroughAFile", [](const TempFolder& f) { f.write("plain", "x"); },
            [](LanguageModule& m) { return !m.GetINI("Langue", "1", "/plain/tv.ini").empty(); },
            ENOTDIR, "GetINI"},
        FaultCase{"writeOverFolder", makeSettingsFolder,
                  [](LanguageModule& m) { return m.WriteINI("Langue", "1", "English", "/tv.ini"); },
                  EISDIR, "WriteINI"},
        FaultCase{
            "writeIntoMissingFolder", nothing,
            [](LanguageModule& m) { return m.WriteINI("Langue", "1", "English", "/gone/tv.ini"); },
            ENOENT, "WriteINI"},
        FaultCase{"writeLineBreak", nothing,
                  [](LanguageModule& m) { return m.WriteINI("Langue", "1", "a\r\nb", "/tv.ini"); },
                  EINVAL, "WriteINI"},
        FaultCase{"writeTextOutsideCodePage", nothing,
                  [](LanguageModule& m) { return m.storeLanguage("\u0395\u03BB\u03BB"); }, EILSEQ,
                  "WriteINI"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageModuleReadError, ReadFaultShowsTheBox) {
  // Reading /proc/self/mem at offset 0 fails with EIO: a real read error, even for root.
  if (!std::filesystem::exists("/proc/self/mem")) GTEST_SKIP() << "no /proc";
  RecordingBoxes boxes;
  LanguageModule module("/proc/self", boxes);
  EXPECT_EQ(module.GetINI("Langue", "1", "/mem"), "");
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, expectedFault(EIO, "GetINI"));
}

TEST_F(LanguageModuleTest, FailedWriteKeepsSettingsByteIdentical) {
  const std::string old = "; mine\n[Langue]\n1=English\n";
  folder.write("tv.ini", old);
  {
    FileSizeLimit limit(8);
    EXPECT_FALSE(module.storeLanguage("Fran\u00E7ais"));
  }
  EXPECT_EQ(folder.read("tv.ini"), old);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"tv.ini"});
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, expectedFault(EFBIG, "WriteINI"));
}

// A full disk, a missing folder and a folder in the way are the save commands' own tests; a
// trailing slash never reaches them.
TEST(ReplaceFileAtomically, TrailingSlashFailsAndLeavesTheFolderAsItWas) {
  TempFolder folder;
  folder.write("keep.txt", "old bytes\r\n");
  std::string text;
  int error = 0;
  EXPECT_FALSE(replaceFileAtomically(folder.file("keep.txt/"), "new", &text, &error));
  EXPECT_EQ(error, EISDIR);
  EXPECT_EQ(text, std::generic_category().message(EISDIR));
  EXPECT_EQ(folder.read("keep.txt"), "old bytes\r\n");
  EXPECT_EQ(folder.names(), std::vector<std::string>{"keep.txt"});
}

TEST(ReplaceFileAtomicallyModes, NewFileFollowsUmaskAndReplacedFileKeepsItsMode) {
  TempFolder folder;
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(replaceFileAtomically(folder.file("new.txt"), "a", nullptr, nullptr));
  struct stat info {};
  ASSERT_EQ(::stat(folder.file("new.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0644u);

  ::chmod(folder.file("new.txt").c_str(), 0600);
  ASSERT_TRUE(replaceFileAtomically(folder.file("new.txt"), "bb", nullptr, nullptr));
  ASSERT_EQ(::stat(folder.file("new.txt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(folder.read("new.txt"), "bb");
  ::umask(mask);
}

}  // namespace
}  // namespace tavelor::i18n

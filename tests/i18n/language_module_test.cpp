#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "i18n/language.h"
#include "i18n_test_support.h"
#include "support/file_size_limit.h"

namespace tavelor::i18n {
namespace {

std::string expectedFault(int error, const std::string& operation) {
  return std::to_string(error) + std::generic_category().message(error) + "\r\n" + operation;
}

class LanguageModuleTest : public ::testing::Test {
 protected:
  testing::TempFolder folder;
  testing::FakeInputWindow boxes;
  Language module{folder.path(), boxes};
};

// The cut counts the file's bytes: 250 "é" are 250 characters on disk, 500 bytes in UTF-8.
TEST_F(LanguageModuleTest, SettingsKeep99AndLanguageTexts199Characters) {
  folder.write("Test.lng", "[S]\r\nk=" + std::string(250, '\xE9') + "\r\n");
  module.setLanguage("Test");
  std::string e99;
  for (int i = 0; i < 99; ++i) e99 += "\u00E9";
  EXPECT_EQ(module.readSetting("s", "K", "/Test.lng"), e99);
  EXPECT_EQ(module.text("s", "K"), e99 + e99 + "\u00E9");
}

// Every fault shows one box, titled "tv", and the operation carries on without a value.
TEST_F(LanguageModuleTest, FaultsShowTheFaultBox) {
  const auto expectBox = [&](int error, const std::string& operation) {
    ASSERT_EQ(boxes.messages.size(), 1u) << operation;
    EXPECT_EQ(boxes.messages[0].text, expectedFault(error, operation));
    EXPECT_EQ(boxes.messages[0].title, "tv");
    EXPECT_EQ(boxes.messages[0].icon, Icon::Critical);
    EXPECT_EQ(boxes.messages[0].buttons, Buttons::Ok);
    boxes.messages.clear();
  };
  std::filesystem::create_directory(folder.file("tv.ini"));
  EXPECT_EQ(module.readSetting("Langue", "1", "/tv.ini"), "");
  expectBox(EISDIR, "GetINI");
  EXPECT_FALSE(module.writeSetting("Langue", "1", "English", "/tv.ini"));
  expectBox(EISDIR, "WriteINI");
  EXPECT_FALSE(module.storeLanguage("\u0395\u03BB\u03BB"));  // no Windows-1252 bytes for it
  expectBox(EILSEQ, "WriteINI");
}

TEST_F(LanguageModuleTest, FailedWriteKeepsSettingsByteIdentical) {
  const std::string old = "; mine\n[Langue]\n1=English\n";
  folder.write("tv.ini", old);
  {
    ::tavelor::testing::FileSizeLimit limit(8);
    EXPECT_FALSE(module.storeLanguage("Fran\u00E7ais"));
  }
  EXPECT_EQ(folder.read("tv.ini"), old);
  EXPECT_EQ(folder.names(), std::vector<std::string>{"tv.ini"});  // no temporary left behind
  ASSERT_EQ(boxes.messages.size(), 1u);
  EXPECT_EQ(boxes.messages[0].text, expectedFault(EFBIG, "WriteINI"));
}

}  // namespace
}  // namespace tavelor::i18n

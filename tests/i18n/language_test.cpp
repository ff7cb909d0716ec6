#include "i18n/language.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <vector>

#include "i18n/language_chooser.h"
#include "support/language_folder.h"
#include "support/ordinary_user.h"

namespace tavelor::i18n {
namespace {

using testing::LanguageFolder;

// The cut counts the file's bytes: 250 "é" are 250 characters on disk, 500 bytes in UTF-8.
// A missing text is empty and no fault: captions simply stay empty.
TEST(LanguageTexts, CutToTheirLengthEmptyWhenMissingNewerOnesFromEnglish) {
  std::string e250;
  for (int i = 0; i < 250; ++i) e250 += "\u00E9";
  LanguageFolder folder({{"S", {{"k", e250}}}, {"Label", {{"0", "Tavelor"}}}});
  EXPECT_EQ(folder.language.readSetting("s", "K", "/test.lng"), e250.substr(0, 2 * 99));
  EXPECT_EQ(folder.language.text("s", "K"), e250.substr(0, 2 * 199));
  EXPECT_EQ(folder.language.text("Label", "1"), "");
  EXPECT_EQ(folder.language.readStoredLanguage(), "");  // no tv.ini yet
  folder.folder.write("English.lng", "[Tools]\r\n0=&Tools\r\n");
  EXPECT_EQ(folder.language.textOrEnglish("Tools", "0"), "&Tools");
  EXPECT_EQ(folder.language.textOrEnglish("Label", "0"), "Tavelor");
  EXPECT_TRUE(folder.faults.messages.empty());
  // Each unit mark becomes the chosen units' symbol.
  folder.folder.write("English.lng", "[S]\r\nu={mm}, {g}, {dm\xb2}\r\n");
  folder.language.units = base::Units::Imperial;
  EXPECT_EQ(folder.language.textOrEnglish("S", "u"), "in, oz, in\u00b2");
}

// The chooser offers, without regard to case, the ordinary files that can be loaded by the listed
// name and stored in tv.ini.
TEST(LanguageList, OffersWhatCanBeLoadedAndStored) {
  testing::TempFolder folder;
  std::filesystem::create_directory(folder.file("Old.lng"));
  for (const char* name : {"b.lng", "English.lng", "Deutsch.lng", "Fran\u00E7ais.lng", "notes.txt",
                           "A.lng.bak", "Spare.LNG", ".lng", "\u0395\u03BB\u03BB\u03B7.lng"}) {
    folder.write(name, "");
  }
  EXPECT_EQ(listLanguages(folder.path(), kLanguagePattern),
            (std::vector<std::string>{"b", "Deutsch", "English", "Fran\u00E7ais"}));
}

// A stored language names a file of the program folder, never a path: anything else is no choice.
TEST(LanguageSettings, StoredNameIsAFileOfTheProgramFolderOnly) {
  LanguageFolder folder;  // holds test.lng
  std::filesystem::create_directory(folder.folder.file("sub"));
  folder.folder.write("sub/test.lng", "");
  const std::string self = std::filesystem::path(folder.folder.path()).filename().string();
  for (const auto& [stored, read] : std::vector<std::pair<std::string, std::string>>{
           {"test", "test"}, {"sub/test", ""}, {"../" + self + "/test", ""}, {"Gone", ""}}) {
    folder.folder.write("tv.ini", "[Langue]\r\n1=" + stored + "\r\n");
    EXPECT_EQ(folder.language.readStoredLanguage(), read) << stored;
  }
}

// Where the program folder is not the user's to write, the choice goes to their own tv.ini, in
// Windows-1252 as every tv.ini.
TEST(LanguageSettings, ReadOnlyProgramFolderKeepsTheChoiceInTheUsersConfig) {
  testing::asOrdinaryUser([] {
    LanguageFolder folder;
    testing::TempFolder config;
    ::setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    folder.folder.write("Fran\u00E7ais.lng", "");
    std::filesystem::permissions(folder.folder.path(), std::filesystem::perms(0555));
    EXPECT_TRUE(folder.language.storeLanguage("Fran\u00E7ais"));
    EXPECT_EQ(Language(folder.folder.path(), folder.faults).readStoredLanguage(), "Fran\u00E7ais");
    EXPECT_EQ(config.read("tavelor/tv.ini"),
              "[Langue]\r\n1=Fran\xE7"
              "ais\r\n");
    std::filesystem::permissions(folder.folder.path(), std::filesystem::perms(0755));
  });
}

// Every fault of the INI operations shows one critical box titled "Tavelor" and gives no value.
TEST(LanguageFaults, ShowTheErrorNumberTextAndOperation) {
  const struct {
    int error;
    const char* operation;
    std::function<bool(Language&)> failed;
  } cases[] = {
      {EISDIR, "GetINI", [](Language& l) { return l.readStoredLanguage().empty(); }},
      {ENOENT, "GetINIFile",  // the language file vanished
       [](Language& l) {
         l.setLanguage("Gone");
         return l.text("Label", "0").empty();
       }},
      // No Windows-1252 bytes for Greek.
      {EILSEQ, "WriteINI", [](Language& l) { return !l.storeLanguage("\u0395\u03BB"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.operation) + " " + std::to_string(c.error));
    LanguageFolder folder;
    std::filesystem::create_directory(folder.folder.file("tv.ini"));
    EXPECT_TRUE(c.failed(folder.language));
    const std::vector<testing::ShownMessage> box{
        {std::to_string(c.error) + std::generic_category().message(c.error) + "\r\n" + c.operation,
         "Tavelor", base::Icon::Critical, base::Buttons::Ok}};
    EXPECT_EQ(folder.faults.messages, box);
  }
}

}  // namespace
}  // namespace tavelor::i18n

#include "ui/about_help_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "language_folder.h"
#include "support/fake_window.h"

namespace tavelor::ui {
namespace {

using testing::IniSections;
using testing::iniText;
using testing::ProgramFolder;

const std::string kCrLf = "\r\n";

std::string blanks(int count) { return std::string(static_cast<std::size_t>(count), ' '); }
std::string lineEnds(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += kCrLf;
  return text;
}

// Every help key holds "h" and its number, keys 19 and 20 included: they must not be read.
IniSections fullLanguage() {
  IniSections sections;
  for (int key = 1; key <= 24; ++key)
    sections["MsgHelp"][std::to_string(key)] = "h" + std::to_string(key);
  sections["Button"]["4"] = "Close";
  sections["About"] = {{"1", "About Tavelor"}, {"2", "Tavelor"},
                       {"3", "never read"},    {"4", "Wing tool"},
                       {"5", "For builders"},  {"6", "Translated by"},
                       {"translate", "Ann"},   {"email", "ann@example.org"}};
  return sections;
}

struct TextsCase {
  const char* name;
  IniSections sections;
  std::string help;
  std::string closing;
  std::string description;
  std::string okCaption;
};

class AboutHelpTextsTest : public ::testing::TestWithParam<TextsCase> {
 protected:
  void SetUp() override {
    folder.write("English.lng", iniText(GetParam().sections));
    language.setLanguage("English");
  }
  ProgramFolder folder;
  ::tavelor::testing::FakeInputWindow faults;
  i18n::LanguageModule language{folder.path(), faults};
};

TEST_P(AboutHelpTextsTest, AreLaidOutByteForByte) {
  const HelpTexts help = buildHelpTexts(language);
  EXPECT_EQ(help.helpText, GetParam().help);
  EXPECT_EQ(help.closingText, GetParam().closing);
  EXPECT_EQ(help.okCaption, GetParam().okCaption);

  const AboutTexts about = buildAboutTexts(language);
  EXPECT_EQ(about.description, GetParam().description);
  EXPECT_EQ(about.okCaption, GetParam().okCaption);
  EXPECT_TRUE(faults.messages.empty());
}

IniSections withoutTranslator() {
  IniSections sections = fullLanguage();
  sections["About"].erase("translate");
  return sections;
}

INSTANTIATE_TEST_SUITE_P(
    Languages, AboutHelpTextsTest,
    ::testing::Values(
        TextsCase{"Full", fullLanguage(),
                  "h1" + kCrLf + blanks(5) + "h2" + kCrLf + blanks(5) + "h3" + kCrLf + blanks(5) +
                      "h4" + kCrLf + blanks(5) + "h5" + kCrLf + blanks(8) + "h6" + kCrLf +
                      blanks(8) + "h7" + kCrLf + blanks(5) + "h8" + kCrLf + kCrLf + "h9" + kCrLf +
                      kCrLf + "h10" + kCrLf + "h11" + kCrLf + "h12" + kCrLf + kCrLf + "h13" +
                      kCrLf + kCrLf + "h14" + kCrLf + "h15" + kCrLf + kCrLf + "h16" + kCrLf +
                      "h17" + kCrLf + kCrLf + "h18" + kCrLf + kCrLf,
                  "h21" + kCrLf + blanks(10) + "h22" + kCrLf + blanks(10) + "h23" + kCrLf +
                      blanks(10) + "h24",
                  "Wing tool" + kCrLf + "For builders" + kCrLf + "Translated by : Ann" + kCrLf +
                      "ann@example.org" + kCrLf + kCrLf,
                  "Close"},
        // Missing keys leave their blanks and line ends in place.
        TextsCase{"Empty",
                  {},
                  kCrLf + blanks(5) + kCrLf + blanks(5) + kCrLf + blanks(5) + kCrLf + blanks(5) +
                      kCrLf + blanks(8) + kCrLf + blanks(8) + kCrLf + blanks(5) + lineEnds(2) +
                      lineEnds(2) + lineEnds(1 + 1 + 2 + 2 + 1 + 2 + 1 + 2 + 2),
                  kCrLf + blanks(10) + kCrLf + blanks(10) + kCrLf + blanks(10),
                  kCrLf + kCrLf + " : " + kCrLf + kCrLf + kCrLf,
                  ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AboutHelpTexts, EmptyTranslatorEndsTheThirdLineRightAfterTheColon) {
  ProgramFolder folder;
  folder.write("English.lng", iniText(withoutTranslator()));
  ::tavelor::testing::FakeInputWindow faults;
  i18n::LanguageModule language(folder.path(), faults);
  language.setLanguage("English");
  EXPECT_EQ(buildAboutTexts(language).description,
            "Wing tool\r\nFor builders\r\nTranslated by : \r\nann@example.org\r\n\r\n");
}

TEST(AboutHelpTexts, AboutReadsCaptionTitleAndVersionOfTheCurrentLanguage) {
  ProgramFolder folder;
  folder.write("English.lng", iniText(fullLanguage()));
  ::tavelor::testing::FakeInputWindow faults;
  i18n::LanguageModule language(folder.path(), faults);
  language.setLanguage("English");

  const AboutTexts about = buildAboutTexts(language);
  EXPECT_EQ(about.caption, "About Tavelor");
  EXPECT_EQ(about.title, "Tavelor");
  EXPECT_EQ(about.version, "Version " + std::to_string(TAVELOR_VERSION_MAJOR) + "." +
                               std::to_string(TAVELOR_VERSION_MINOR) + "." +
                               std::to_string(TAVELOR_VERSION_PATCH) + " - English");
}

TEST(AboutHelpTexts, VersionLineJoinsNumbersWithoutBlanks) {
  EXPECT_EQ(versionLine("Deutsch").rfind("Version ", 0), 0u);
  const std::string line = versionLine("Deutsch");
  const std::string numbers = line.substr(8, line.size() - 8 - std::string(" - Deutsch").size());
  EXPECT_EQ(numbers.find(' '), std::string::npos);
  EXPECT_EQ(std::count(numbers.begin(), numbers.end(), '.'), 2);
  EXPECT_EQ(line.substr(line.size() - 10), " - Deutsch");
}

}  // namespace
}  // namespace tavelor::ui

#include "ui/about_help_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "support/language_folder.h"

namespace tavelor::ui {
namespace {

using ::tavelor::testing::IniSections;

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

IniSections withoutTranslator() {
  IniSections sections = fullLanguage();
  sections["About"].erase("translate");
  return sections;
}

const std::string kFullHelp =
    "h1" + kCrLf + blanks(5) + "h2" + kCrLf + blanks(5) + "h3" + kCrLf + blanks(5) + "h4" + kCrLf +
    blanks(5) + "h5" + kCrLf + blanks(8) + "h6" + kCrLf + blanks(8) + "h7" + kCrLf + blanks(5) +
    "h8" + kCrLf + kCrLf + "h9" + kCrLf + kCrLf + "h10" + kCrLf + "h11" + kCrLf + "h12" + kCrLf +
    kCrLf + "h13" + kCrLf + kCrLf + "h14" + kCrLf + "h15" + kCrLf + kCrLf + "h16" + kCrLf + "h17" +
    kCrLf + kCrLf + "h18" + kCrLf + kCrLf;
const std::string kFullClosing =
    "h21" + kCrLf + blanks(10) + "h22" + kCrLf + blanks(10) + "h23" + kCrLf + blanks(10) + "h24";

struct TextsCase {
  const char* name;
  IniSections sections;
  std::string help;
  std::string closing;
  std::string description;
  std::string okCaption;
  std::string caption;  // the About window's, and its title line
  std::string title;
};

class AboutHelpTextsTest : public ::testing::TestWithParam<TextsCase> {};

TEST_P(AboutHelpTextsTest, AreLaidOutByteForByte) {
  ::tavelor::testing::LanguageFolder language(GetParam().sections, "English");
  const HelpTexts help = buildHelpTexts(*language);
  EXPECT_EQ(help.helpText, GetParam().help);
  EXPECT_EQ(help.closingText, GetParam().closing);
  EXPECT_EQ(help.okCaption, GetParam().okCaption);

  const AboutTexts about = buildAboutTexts(*language);
  EXPECT_EQ(about.description, GetParam().description);
  EXPECT_EQ(about.okCaption, GetParam().okCaption);
  EXPECT_EQ(about.caption, GetParam().caption);
  EXPECT_EQ(about.title, GetParam().title);
  EXPECT_EQ(about.version, "Version " + std::to_string(TAVELOR_VERSION_MAJOR) + "." +
                               std::to_string(TAVELOR_VERSION_MINOR) + "." +
                               std::to_string(TAVELOR_VERSION_PATCH) + " - English");
  EXPECT_TRUE(language.faults.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Languages, AboutHelpTextsTest,
    ::testing::Values(
        TextsCase{"Full", fullLanguage(), kFullHelp, kFullClosing,
                  "Wing tool" + kCrLf + "For builders" + kCrLf + "Translated by : Ann" + kCrLf +
                      "ann@example.org" + kCrLf + kCrLf,
                  "Close", "About Tavelor", "Tavelor"},
        // An empty translator ends the third line right after the colon.
        TextsCase{"NoTranslator", withoutTranslator(), kFullHelp, kFullClosing,
                  "Wing tool\r\nFor builders\r\nTranslated by : \r\nann@example.org\r\n\r\n",
                  "Close", "About Tavelor", "Tavelor"},
        // Missing keys leave their blanks and line ends in place.
        TextsCase{"Empty",
                  {},
                  kCrLf + blanks(5) + kCrLf + blanks(5) + kCrLf + blanks(5) + kCrLf + blanks(5) +
                      kCrLf + blanks(8) + kCrLf + blanks(8) + kCrLf + blanks(5) + lineEnds(2) +
                      lineEnds(2) + lineEnds(1 + 1 + 2 + 2 + 1 + 2 + 1 + 2 + 2),
                  kCrLf + blanks(10) + kCrLf + blanks(10) + kCrLf + blanks(10),
                  kCrLf + kCrLf + " : " + kCrLf + kCrLf + kCrLf,
                  "",
                  "",
                  ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelor::ui

#include "ui/about_help_texts.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "support/language_folder.h"

namespace tavelor::ui {
namespace {

using ::tavelor::testing::IniSections;

// Every help key holds "h" and its number, keys 19 and 20 included: they must not be read.
IniSections fullLanguage() {
  IniSections sections;
  for (int key = 1; key <= 24; ++key) {
    sections["MsgHelp"][std::to_string(key)] = "h" + std::to_string(key);
  }
  sections["Button"]["4"] = "Close";
  // clang-format off
  sections["About"] = {{"1", "About Tavelor"}, {"2", "Tavelor"}, {"3", "never read"},
                       {"4", "Wing tool"}, {"5", "For builders"}, {"6", "Translated by"},
                       {"translate", "Ann"}, {"email", "a@b.org"}};
  // clang-format on
  return sections;
}

struct TextsCase {
  const char* name;
  IniSections sections;
  std::string help, closing, description, okCaption, caption, title;
};

// Missing keys leave their blanks and line ends in place; an empty translator ends the third
// line right after the colon.
TEST(AboutHelpTexts, AreLaidOutByteForByte) {
  const std::string help =
      "h1\r\n     h2\r\n     h3\r\n     h4\r\n     h5\r\n        h6\r\n        h7\r\n     "
      "h8\r\n\r\n"
      "h9\r\n\r\nh10\r\nh11\r\nh12\r\n\r\nh13\r\n\r\nh14\r\nh15\r\n\r\nh16\r\nh17\r\n\r\nh18\r\n\r"
      "\n";
  const std::string closing = "h21\r\n          h22\r\n          h23\r\n          h24";
  const std::regex key("h[0-9]+");
  // clang-format off
  const std::vector<TextsCase> cases = {
      {"Full", fullLanguage(), help, closing,
       "Wing tool\r\nFor builders\r\nTranslated by : Ann\r\na@b.org\r\n\r\n", "Close",
       "About Tavelor", "Tavelor"},
      {"Empty", {}, std::regex_replace(help, key, ""), std::regex_replace(closing, key, ""),
       "\r\n\r\n : \r\n\r\n\r\n", "", "", ""}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ::tavelor::testing::LanguageFolder language(c.sections, "English");
    const HelpTexts helpTexts = buildHelpTexts(*language);
    const AboutTexts about = buildAboutTexts(*language);
    EXPECT_EQ(helpTexts.helpText, c.help);
    EXPECT_EQ(helpTexts.closingText, c.closing);
    EXPECT_EQ(about.description, c.description);
    EXPECT_EQ(helpTexts.okCaption, c.okCaption);
    EXPECT_EQ(about.okCaption, c.okCaption);
    EXPECT_EQ(about.caption, c.caption);
    EXPECT_EQ(about.title, c.title);
    EXPECT_EQ(about.version, "Version " + std::to_string(TAVELOR_VERSION_MAJOR) + "." +
                                 std::to_string(TAVELOR_VERSION_MINOR) + "." +
                                 std::to_string(TAVELOR_VERSION_PATCH) + " - English");
  }
}

}  // namespace
}  // namespace tavelor::ui

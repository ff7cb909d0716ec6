#include "ui/main_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "fake_ui_window.h"

namespace tavelor::ui {
namespace {

using calc::Field;
using calc::ResultLabel;

const std::string kFrench = "Fran\u00e7ais";
const std::string kFrenchInTvIni = "Fran\347ais";  // tv.ini is Windows-1252 text

// A program folder with two languages and no tv.ini yet.
class MainFormTest : public ::testing::Test {
 protected:
  MainFormTest() {
    folder.write("English.lng", testing::languageText("EN"));
    folder.write(kFrench + ".lng", testing::languageText("FR"));
  }
  void typeRectangularWing() {
    window.setPanel(0, "200", "200", "500", "0");
    window.setFieldText(Field::masse, 0, "1000");
    form.cmdCalcul_Click();
  }

  tavelor::testing::TempFolder folder;
  testing::FakeUiWindow window;
  MainForm form{window, folder.path()};
};

// Each time the chooser is closed without a choice the message insists and it opens again.
TEST_F(MainFormTest, FirstRunAsksForALanguageUntilChosenThenOpensTranslatedAndCleared) {
  window.chooserAnswers = {std::nullopt, std::nullopt, kFrench};
  ASSERT_TRUE(form.startUp());

  EXPECT_EQ(window.chooserFirstStarts, std::vector<bool>(3, true));
  ASSERT_EQ(window.messages.size(), 2u);
  EXPECT_EQ(window.messages[1].text, "Please select a language");
  EXPECT_EQ(window.messages[1].icon, base::Icon::Critical);
  EXPECT_THAT(folder.read("tv.ini"), ::testing::HasSubstr("1=" + kFrenchInTvIni));
  EXPECT_EQ(window.captions["mnufile"], "FR File 0");
  EXPECT_EQ(window.fieldText(Field::Cg, 0), "30");
  EXPECT_TRUE(window.focusCalls.empty());  // the window is not shown yet
}

TEST_F(MainFormTest, StoredLanguageWhoseFileIsGoneOpensWithEmptyCaptionsAndWorks) {
  folder.write("tv.ini", "[Langue]\r\n1=Klingon\r\n");
  ASSERT_TRUE(form.startUp());
  EXPECT_TRUE(window.chooserFirstStarts.empty());
  EXPECT_EQ(window.captions["mnufile"], "");
  EXPECT_EQ(window.captions["Trap0"], " 1");
  typeRectangularWing();
  EXPECT_EQ(window.resultCaption(ResultLabel::Lbenv), "1 000.00 mm  ");
}

TEST(MainForm, WithoutAnyLanguageFileSaysSoNamingTheFolderAndEnds) {
  tavelor::testing::TempFolder folder;
  std::filesystem::create_directory(folder.file("Old.lng"));  // a folder is no language file
  testing::FakeUiWindow window;
  MainForm form(window, folder.path());
  EXPECT_FALSE(form.startUp());
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, noLanguageFileText(folder.path()));
  EXPECT_THAT(window.messages[0].text, ::testing::HasSubstr(folder.path()));
  EXPECT_EQ(window.ends, 1);
}

// Started in the stored language, without the chooser.
TEST_F(MainFormTest, CommandsAreWiredToTheirParts) {
  folder.write("tv.ini", "[Langue]\r\n1=English\r\n");
  ASSERT_TRUE(form.startUp());
  EXPECT_TRUE(window.chooserFirstStarts.empty());
  EXPECT_EQ(window.captions["mnufile"], "EN File 0");
  form.cmdprint_Click();  // nothing calculated yet
  EXPECT_EQ(window.messages.at(0).text, "EN Message 10");
  typeRectangularWing();
  EXPECT_EQ(window.resultCaption(ResultLabel::LbafficheCA), " 50.00 g/dm\xc2\xb2");
  EXPECT_EQ(window.plan.log.front(), "clear");

  window.filePath = folder.file("wing.txt");
  form.mnusave_Click();
  form.cmdClear_Click();
  form.mnuopen_Click();
  EXPECT_EQ(window.fieldText(Field::L_trap, 0), "500");

  form.mnufileprint_Click();
  EXPECT_THAT(window.page->log, ::testing::Contains("end"));

  window.chooserAnswers = {kFrench};
  form.mnulang_Click();
  EXPECT_EQ(window.chooserFirstStarts, std::vector<bool>{false});
  EXPECT_EQ(window.captions["mnufile"], "FR File 0");
  form.mnuhlp_Click();
  form.nmuabout_Click();
  EXPECT_EQ(window.helps.at(0).okCaption, "FR Button 4");
  EXPECT_EQ(window.abouts.at(0).caption, "FR About 1");

  const auto shown = window.messages.size();
  form.mnufilequit_Click();  // at once, without asking
  EXPECT_EQ(window.ends, 1);
  EXPECT_EQ(window.messages.size(), shown);
}

}  // namespace
}  // namespace tavelor::ui

#include "ui/main_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fake_ui_window.h"

namespace tavelor::ui {
namespace {

using calc::Field;
using calc::ResultLabel;
using ::testing::Contains;
using ::testing::ElementsAre;
using testing::FakeUiWindow;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::languageText;
using ::testing::Not;
using testing::TempFolder;

const std::string kFrench =
    "Fran\xc3\xa7"
    "ais";
const std::string kFrenchInTvIni =
    "Fran\xe7"
    "ais";  // tv.ini is Windows-1252 text

// A program folder with two languages, English and French, and no tv.ini yet.
class StartUpTest : public ::testing::Test {
 protected:
  StartUpTest() {
    folder.write("English.lng", languageText("EN"));
    folder.write(kFrench + ".lng", languageText("FR"));
  }

  // name: the bytes of the name as tv.ini holds them.
  void storeLanguage(const std::string& name) {
    folder.write("tv.ini", "[Langue]\r\n1=" + name + "\r\n");
  }

  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : window.messages) texts.push_back(message.text);
    return texts;
  }

  TempFolder folder;
  FakeUiWindow window;
  MainForm form{window, folder.path()};
};

class FirstRunTest : public StartUpTest, public ::testing::WithParamInterface<int> {};

// Each time the chooser is closed without a choice the fixed message insists, and the chooser
// opens again until a language is chosen.
TEST_P(FirstRunTest, AsksForALanguageUntilChosenThenOpensTranslatedAndCleared) {
  const auto declines = static_cast<std::size_t>(GetParam());
  window.chooserAnswers.assign(declines, std::nullopt);
  window.chooserAnswers.push_back(kFrench);

  ASSERT_TRUE(form.startUp());

  ASSERT_EQ(window.chooserOpenings.size(), declines + 1);
  for (const auto& opening : window.chooserOpenings) {
    EXPECT_TRUE(opening.firstStart);
    EXPECT_EQ(opening.caption, "Select your Language");
    EXPECT_EQ(opening.editText, "Select");
    EXPECT_THAT(opening.items, ElementsAre("English", kFrench));
  }
  ASSERT_EQ(window.messages.size(), declines);
  for (const auto& message : window.messages) {
    EXPECT_EQ(message.text, "Please select a language");
    EXPECT_EQ(message.title, "tv");
    EXPECT_EQ(message.icon, i18n::Icon::Critical);
    EXPECT_EQ(message.buttons, i18n::Buttons::Ok);
  }
  EXPECT_THAT(folder.read("tv.ini"), HasSubstr("1=" + kFrenchInTvIni));

  EXPECT_EQ(form.language().currentLanguage, kFrench);
  EXPECT_FALSE(form.language().firstStart);
  EXPECT_EQ(window.captions["mnufile"], "FR file 0");
  EXPECT_EQ(window.captions["Trap4"], "FR label 12 5");
  EXPECT_EQ(window.toolTips["cmdCalcul"], "FR tip");
  EXPECT_EQ(window.windowCaption, "FR label 0");

  EXPECT_EQ(window.fieldText(Field::Cg, 0), "30");
  EXPECT_EQ(window.fieldText(Field::C_max, 0), "");
  EXPECT_EQ(form.state().areaUnit, " dm\xc2\xb2  ");
  EXPECT_EQ(form.state().lengthUnit, " mm  ");
  EXPECT_EQ(form.state().resultsValid, 0);
  // The window is not shown yet: nothing may take the focus.
  EXPECT_EQ(form.state().focusReady, 0);
  EXPECT_THAT(window.focusCalls, IsEmpty());
  EXPECT_EQ(window.ends, 0);
}

INSTANTIATE_TEST_SUITE_P(Declines, FirstRunTest, ::testing::Values(0, 1, 3));

TEST_F(StartUpTest, StoredLanguageOpensWithoutTheChooser) {
  storeLanguage(kFrenchInTvIni);

  ASSERT_TRUE(form.startUp());

  EXPECT_THAT(window.chooserOpenings, IsEmpty());
  EXPECT_THAT(window.messages, IsEmpty());
  EXPECT_EQ(form.language().languageFile, "/" + kFrench + ".lng");
  EXPECT_EQ(window.captions["mnuaide"], "FR help 0");
  EXPECT_EQ(window.windowCaption, "FR label 0");
}

TEST_F(StartUpTest, StoredLanguageWhoseFileIsGoneOpensWithEmptyCaptionsAndWorks) {
  storeLanguage("Klingon");

  ASSERT_TRUE(form.startUp());

  EXPECT_THAT(window.chooserOpenings, IsEmpty());
  EXPECT_THAT(window.messages, IsEmpty());
  EXPECT_EQ(window.captions["mnufile"], "");
  EXPECT_EQ(window.captions["cmdCalcul"], "");
  EXPECT_EQ(window.captions["Trap0"], " 1");
  EXPECT_EQ(window.captions["Lbmasse"], " : ");
  EXPECT_EQ(window.fieldText(Field::Cg, 0), "30");

  window.setPanel(0, "200", "200", "500", "0");
  form.cmdCalcul_Click();
  EXPECT_EQ(window.resultCaption(ResultLabel::Lbenv), "1 000.00 mm  ");
}

TEST_F(StartUpTest, ChosenLanguageIsKeptForTheRunWhenTvIniCannotBeWritten) {
  // A folder entry named tv.ini that no file write can replace, like a read-only program folder.
  std::filesystem::create_directory(folder.file("tv.ini"));
  window.chooserAnswers = {"English"};

  ASSERT_TRUE(form.startUp());

  EXPECT_EQ(window.chooserOpenings.size(), 1u);
  EXPECT_THAT(messageTexts(), Not(Contains("Please select a language")));
  EXPECT_EQ(form.language().currentLanguage, "English");
  EXPECT_EQ(window.captions["mnufile"], "EN file 0");
}

struct EmptyFolderCase {
  const char* name;
  std::vector<std::string> otherFiles;
};

class NoLanguageFileTest : public ::testing::TestWithParam<EmptyFolderCase> {};

TEST_P(NoLanguageFileTest, SaysSoNamingTheFolderAndEnds) {
  TempFolder folder;
  for (const auto& name : GetParam().otherFiles) folder.write(name, "[File]\r\n0=x\r\n");
  std::filesystem::create_directory(folder.file("Old.lng"));  // a folder is no language file
  FakeUiWindow window;
  MainForm form(window, folder.path());

  EXPECT_FALSE(form.startUp());

  EXPECT_THAT(window.chooserOpenings, IsEmpty());
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, noLanguageFileText(folder.path()));
  EXPECT_THAT(window.messages[0].text, HasSubstr(folder.path()));
  EXPECT_EQ(window.messages[0].title, "tv");
  EXPECT_EQ(window.messages[0].icon, i18n::Icon::Critical);
  EXPECT_EQ(window.ends, 1);
  EXPECT_THAT(window.captions, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Folders, NoLanguageFileTest,
    ::testing::Values(EmptyFolderCase{"Empty", {}},
                      EmptyFolderCase{"OtherFiles", {"notes.txt", "English.lng.bak", "lng"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A started program in English, ready for events.
class WiringTest : public StartUpTest {
 protected:
  WiringTest() {
    storeLanguage("English");
    EXPECT_TRUE(form.startUp());
  }
  void typeRectangularWing() {
    window.setPanel(0, "200", "200", "500", "0");
    window.setFieldText(Field::masse, 0, "1000");
  }
  std::size_t planLines() const {
    return static_cast<std::size_t>(
        std::count_if(window.plan.log.begin(), window.plan.log.end(),
                      [](const std::string& entry) { return entry.rfind("line ", 0) == 0; }));
  }
};

TEST_F(WiringTest, CalculateFillsTheResultsAndDrawsThePlanOnlyWhenTheyStand) {
  typeRectangularWing();
  form.cmdCalcul_Click();

  EXPECT_EQ(window.resultCaption(ResultLabel::Lbenv), "1 000.00 mm  ");
  EXPECT_EQ(window.resultCaption(ResultLabel::Lbdistcentr), " 60.00 mm  ");
  EXPECT_EQ(window.resultCaption(ResultLabel::LbafficheCA), " 50.00 g/dm\xc2\xb2");
  ASSERT_FALSE(window.plan.log.empty());
  EXPECT_EQ(window.plan.log.front(), "clear");
  EXPECT_EQ(planLines(), 4u + 5u);  // the outline and the five marks

  const auto drawn = window.plan.log;
  window.setFieldText(Field::L_trap, 0, "");
  form.cmdCalcul_Click();
  EXPECT_THAT(messageTexts(), ElementsAre("EN message 1"));
  EXPECT_EQ(window.plan.log, drawn);  // a refused calculation leaves the drawing
  EXPECT_EQ(form.state().resultsValid, 0);
}

TEST_F(WiringTest, ClearMovesTheFocusOnlyOnceARootChordHadIt) {
  typeRectangularWing();
  form.cmdCalcul_Click();
  form.cmdClear_Click();
  EXPECT_THAT(window.focusCalls, IsEmpty());
  EXPECT_EQ(window.plan.log.back(), "clear");
  EXPECT_EQ(window.resultCaption(ResultLabel::Lbenv), "");

  form.fieldGotFocus(Field::C_max, 2);
  form.cmdClear_Click();
  EXPECT_THAT(window.focusCalls, ElementsAre(std::pair(Field::C_max, 0)));
}

TEST_F(WiringTest, LanguageMenuAppliesTheChoiceToTheWindowAndToLaterWindows) {
  typeRectangularWing();
  form.cmdCalcul_Click();
  window.chooserAnswers = {kFrench};

  form.mnulang_Click();

  ASSERT_EQ(window.chooserOpenings.size(), 1u);
  EXPECT_FALSE(window.chooserOpenings[0].firstStart);
  EXPECT_EQ(window.chooserOpenings[0].caption, "EN choose");
  EXPECT_EQ(window.chooserOpenings[0].editText, "English");
  EXPECT_EQ(window.captions["mnufile"], "FR file 0");
  EXPECT_THAT(folder.read("tv.ini"), HasSubstr("1=" + kFrenchInTvIni));
  // Results and inputs stay as they were.
  EXPECT_EQ(window.resultCaption(ResultLabel::Lbenv), "1 000.00 mm  ");
  EXPECT_EQ(window.fieldText(Field::L_trap, 0), "500");

  form.mnuhlp_Click();
  form.nmuabout_Click();
  ASSERT_EQ(window.helps.size(), 1u);
  EXPECT_EQ(window.helps[0].okCaption, "FR button 4");
  ASSERT_EQ(window.abouts.size(), 1u);
  EXPECT_EQ(window.abouts[0].caption, "FR about");
  EXPECT_THAT(window.abouts[0].version, HasSubstr(" - " + kFrench));
}

TEST_F(WiringTest, SavedWingOpensBackAndIsDrawnAgain) {
  typeRectangularWing();
  form.cmdCalcul_Click();
  const auto drawn = window.plan.log;
  window.filePath = folder.file("wing.txt");

  form.mnusave_Click();
  ASSERT_TRUE(std::filesystem::exists(folder.file("wing.txt")));
  form.cmdClear_Click();
  window.plan.log.clear();
  form.mnuopen_Click();

  EXPECT_EQ(window.fieldText(Field::L_trap, 0), "500");
  EXPECT_EQ(window.fieldText(Field::masse, 0), "1000");
  EXPECT_EQ(window.resultCaption(ResultLabel::Lbenv), "1 000.00 mm  ");
  EXPECT_THAT(window.windowCaption, HasSubstr("wing.txt"));
  // clearInputs empties the plan, then the recalculation draws it as before.
  ASSERT_FALSE(window.plan.log.empty());
  EXPECT_EQ(
      std::vector(window.plan.log.end() - static_cast<long>(drawn.size()), window.plan.log.end()),
      drawn);
}

TEST_F(WiringTest, PrintButtonAndMenuRunThePrintCommand) {
  form.cmdprint_Click();
  EXPECT_THAT(messageTexts(), ElementsAre("EN message 10"));
  EXPECT_THAT(window.prompts, IsEmpty());

  typeRectangularWing();
  form.cmdCalcul_Click();
  form.mnufileprint_Click();
  ASSERT_EQ(window.prompts.size(), 1u);
  EXPECT_EQ(window.prompts[0], "\r\n\r\nEN message 12");
  EXPECT_EQ(form.state().sheetName, "EN sheet");
  EXPECT_THAT(window.page->log, Contains("end"));

  const auto messages = window.messages.size();
  form.mnufilequit_Click();  // at once, without asking
  EXPECT_EQ(window.ends, 1);
  EXPECT_EQ(window.messages.size(), messages);
}

}  // namespace
}  // namespace tavelor::ui

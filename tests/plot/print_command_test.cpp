#include "plot/print_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sheet_language.h"
#include "support/fake_print_window.h"

namespace tavelor::plot {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

calc::WingState calculatedWing() {
  calc::WingState state;
  state.rootChord[0] = 300;
  state.tipChord[0] = 200;
  state.panelLength[0] = 1000;
  state.spanUpTo[0] = 1000;
  state.halfSpan = 1000;
  state.lengthUnit = calc::kLengthUnit;
  state.areaUnit = calc::kAreaUnit;
  state.sheetName = "Previous sheet";
  state.resultsValid = 1;
  return state;
}

class PrintCommand : public ::testing::Test {
 protected:
  std::vector<std::string> titleTexts() const {
    std::vector<std::string> found;
    for (const auto& entry : window.page->log) {
      if (entry.rfind("text@1134,907.2 ", 0) == 0) {
        found.push_back(entry);
      }
    }
    return found;
  }

  test::SheetLanguage language;
  testing::FakePrintWindow window;
  calc::WingState state = calculatedWing();
};

TEST_F(PrintCommand, WithoutResultsOnlyRefuses) {
  state.resultsValid = 0;
  mnufileprint_Click(state, window, *language);
  EXPECT_THAT(window.page->log, ElementsAre("message critical 'Nothing to print yet'"));
  EXPECT_EQ(window.messages[0].title, "Tavelor");
  EXPECT_EQ(window.messages[0].buttons, i18n::Buttons::Ok);
  EXPECT_EQ(window.pagesOpened, 0);
  EXPECT_THAT(window.prompts, IsEmpty());
  EXPECT_EQ(state.sheetName, "Previous sheet");
}

TEST_F(PrintCommand, AsksForThePrinterByNameAndCancelKeepsTheOldName) {
  window.answers = {i18n::Answer::Cancel};
  mnufileprint_Click(state, window, *language);
  EXPECT_THAT(window.page->log,
              ElementsAre("deviceName", "message question 'Print on Office Laser ?'"));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].title, "Tavelor");
  EXPECT_EQ(window.messages[0].buttons, i18n::Buttons::OkCancel);
  EXPECT_THAT(window.prompts, IsEmpty());
  EXPECT_EQ(state.sheetName, "Previous sheet");
}

TEST_F(PrintCommand, AnEmptyNamePrintsNothing) {
  window.promptAnswer = "";
  mnufileprint_Click(state, window, *language);
  ASSERT_EQ(window.prompts.size(), 1u);
  EXPECT_EQ(window.prompts[0].prompt, "\r\n\r\nName of the sheet?");
  EXPECT_EQ(window.prompts[0].title, "Print");
  EXPECT_EQ(window.prompts[0].proposed, "My wing");
  EXPECT_EQ(state.sheetName, "");
  EXPECT_THAT(window.page->log,
              ElementsAre("deviceName", "message question 'Print on Office Laser ?'"));
}

TEST_F(PrintCommand, TheAcceptedNameIsPrintedOnTheSamePage) {
  cmdprint_Click(state, window, *language);
  EXPECT_EQ(state.sheetName, "My wing");
  EXPECT_EQ(window.pagesOpened, 1);
  EXPECT_THAT(titleTexts(), ElementsAre("text@1134,907.2 'Sheet: My wing' stays"));
  ASSERT_GE(window.page->log.size(), 3u);
  EXPECT_EQ(window.page->log[2], "pointer busy");
  EXPECT_EQ(window.page->log.back(), "message none 'Sheet sent to the printer'");

  window.promptAnswer = "Glider \u00e9t\u00e9 2026";  // a typed name replaces the proposal
  window.page->log.clear();
  mnufileprint_Click(state, window, *language);
  EXPECT_EQ(state.sheetName, "Glider \u00e9t\u00e9 2026");
  EXPECT_THAT(titleTexts(),
              ElementsAre("text@1134,907.2 'Sheet: Glider \u00e9t\u00e9 2026' stays"));
}

// No printer, or one whose name cannot be read: the fault message and nothing else.
TEST_F(PrintCommand, AMissingOrUnreadablePrinterEndsWithTheFaultMessage) {
  window.openFails = true;
  mnufileprint_Click(state, window, *language);
  EXPECT_THAT(window.page->log, ElementsAre("message critical 'Printer fault'"));

  window.openFails = false;
  window.page->log.clear();
  window.page->failAt = window.page->operations;
  mnufileprint_Click(state, window, *language);
  EXPECT_THAT(window.page->log, ElementsAre("deviceName", "message critical 'Printer fault'"));
  EXPECT_THAT(window.prompts, IsEmpty());
  EXPECT_EQ(state.sheetName, "Previous sheet");
}

}  // namespace
}  // namespace tavelor::plot

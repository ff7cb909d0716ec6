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

class PrintCommand : public ::testing::Test {
 protected:
  PrintCommand() {
    state.sheetName = "Previous sheet";
    state.resultsValid = 1;
  }

  test::SheetLanguage language;
  testing::FakePrintWindow window;
  calc::WingState state;
};

TEST_F(PrintCommand, WithoutResultsOnlyRefuses) {
  state.resultsValid = 0;
  mnufileprint_Click(state, window, *language);
  EXPECT_THAT(window.page->log, ElementsAre("message critical 'Nothing to print yet'"));
  EXPECT_EQ(window.messages[0].title, "Tavelor");
  EXPECT_EQ(window.messages[0].buttons, base::Buttons::Ok);
  EXPECT_EQ(window.pagesOpened, 0);
  EXPECT_THAT(window.prompts, IsEmpty());
  EXPECT_EQ(state.sheetName, "Previous sheet");
}

// The printer is named in a question; Cancel there keeps the old sheet name, an empty name at
// the prompt prints nothing.
TEST_F(PrintCommand, CancelOrAnEmptyNamePrintsNothing) {
  window.answers = {base::Answer::Cancel};
  mnufileprint_Click(state, window, *language);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].buttons, base::Buttons::OkCancel);
  EXPECT_THAT(window.prompts, IsEmpty());
  EXPECT_EQ(state.sheetName, "Previous sheet");

  window.promptAnswer = "";
  mnufileprint_Click(state, window, *language);
  ASSERT_EQ(window.prompts.size(), 1u);
  EXPECT_EQ(window.prompts[0].prompt, "\r\n\r\nName of the sheet?");
  EXPECT_EQ(window.prompts[0].title, "Print");
  EXPECT_EQ(window.prompts[0].proposed, "My wing");
  EXPECT_EQ(state.sheetName, "");
  EXPECT_THAT(window.page->log,
              ElementsAre("deviceName", "message question 'Print on Office Laser ?'", "deviceName",
                          "message question 'Print on Office Laser ?'"));
}

}  // namespace
}  // namespace tavelor::plot

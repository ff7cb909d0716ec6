#include "plot/print_sheet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sheet_language.h"
#include "support/fake_print_window.h"
#include "support/recording_page.h"

namespace tavelor::plot {
namespace {

using ::testing::ElementsAreArray;
using Log = std::vector<std::string>;

// Half span 1000 mm, root 300, tip 200, no sweep: printed at 1/5 (11.34 twips per mm) with the
// root at x 2464 and its trailing edge at y 8986, its leading edge at 5584.
calc::WingState onePanel() {
  calc::WingState state;
  state.lastPanel = 0;
  state.rootChord[0] = 300;
  state.tipChord[0] = 200;
  state.panelLength[0] = 1000;
  state.spanUpTo[0] = 1000;
  state.halfSpan = 1000;
  state.halfAreaMm2 = 250000;
  state.aspectRatio = 8;
  state.centringPct = 30;
  state.mass = 1500;
  state.macSpanPos[0] = 450;
  state.macLength[0] = 250;
  state.centringPos[0] = 75;
  state.lengthUnit = calc::kLengthUnit;
  state.areaUnit = calc::kAreaUnit;
  state.sheetName = "Test wing";
  state.resultsValid = 1;
  return state;
}

// The same outer figures over five panels with chained chords and mixed offsets.
calc::WingState fivePanels() {
  calc::WingState state = test::withFivePanels(onePanel());
  state.macSpanPos[4] = 450;
  state.macLength[4] = 250;
  state.centringPos[4] = 75;
  return state;
}

class PrintSheet : public ::testing::Test {
 protected:
  PrintSheet() { window.setResultCaption(calc::ResultLabel::LbafficheCA, "30.00 g/dm\u00b2"); }

  Log print(const calc::WingState& state) {
    testing::RecordingPage page(window.page);
    imprime(state, window, *language, page);
    return window.page->log;
  }

  test::SheetLanguage language;
  testing::FakePrintWindow window;
};

// The title, the section headings two line heights lower (5 pt + 10 pt = 300 twips) and the
// start of the table, identical for every wing named "Test wing"; then the one-panel wing's table
// and outline, and the marks both test wings share with the closing entries.
const std::string kOnePanelSheet =
    "pointer busy|landscape|font Arial|size 10|y 907.2|x 1134|"
    "text@1134,907.2 'Sheet: Test wing' stays|x 11340|"
    "text@11340,907.2 'Date: 06/12/2026' stays|size 5|text@12940,907.2 '   Version 2.8.0' ends|"
    "size 10|text@0,1007.2 '' ends|size 12|underline on|x 1134|"
    "text@1134,1207.2 'Entr\u00e9es' stays|x 8221.5|text@8221.5,1207.2 'Results' ends|size 9|"
    "underline off|y 1644.3|x 2551.5|text@2551.5,1644.3 'Panel 1' stays|y 1871.1|x 1134|"
    "text@1134,1871.1 'Root chord' stays|x 2835|number@2835,1871.1 300 stays|x 8051.4|"
    "text@8051.4,1871.1 'Span' stays|x 9355.5|text@9355.5,1871.1 '2 000.00' stays|"
    "text@10155.5,1871.1 ' mm  ' stays|x 12020.4|ink red|"
    "text@12020.4,1871.1 'Distance X' stays|x 13324.5|text@13324.5,1871.1 ' 450.00' stays|"
    "text@14024.5,1871.1 ' mm  ' ends|ink black|y 2097.9|x 1134|"
    "text@1134,2097.9 'Tip chord' stays|x 2835|number@2835,2097.9 200 stays|y 2324.7|x 850.5|"
    "text@850.5,2324.7 'Panel length' stays|x 2835|number@2835,2324.7 1000 stays|x 8391.6|"
    "text@8391.6,2324.7 'Area' stays|x 9355.5|text@9355.5,2324.7 ' 50.00' stays|"
    "text@9955.5,2324.7 ' dm\u00b2  ' stays|x 11680.2|text@11680.2,2324.7 'Mean chord' stays|"
    "x 13324.5|text@13324.5,2324.7 ' 250.00' stays|text@14024.5,2324.7 ' mm  ' ends|y 2551.5|"
    "x 1134|text@1134,2551.5 'Sweep' stays|x 2835|text@2835,2551.5 '' stays|y 2778.3|x 1020.6|"
    "text@1020.6,2778.3 'Centring %' stays|x 2835|number@2835,2778.3 30 stays|x 7711.2|"
    "text@7711.2,2778.3 'Aspect ratio' stays|x 9355.5|text@9355.5,2778.3 ' 8.00' stays|"
    "x 11283.3|ink blue|text@11283.3,2778.3 'Centring distance' stays|x 13324.5|"
    "text@13324.5,2778.3 ' 75.00' stays|text@13924.5,2778.3 ' mm  ' ends|ink black|y 3118.5|"
    "x 1984.5|text@1984.5,3118.5 'Mass : 1500 g     Wing loading : 30.00 g/dm\u00b2' ends|"
    "y 3685|x 1134|bold on|underline on|text@1134,3685 'Scale 1/5' ends|bold off|underline off|"
    "line 2464,8986 2464,5584|line 2464,5584 13804,5584|line 13804,5584 13804,7852|"
    "line 13804,7852 2464,8986|style dashdotdot|line 7367,6434.5 7767,6434.5 blue|"
    "line 7567,5017 7567,9269.5 red|line 2464,5284 2464,5564 red|line 2464,9006 2464,9386 red|"
    "line 2514,5584 7667,5584 blue|style solid|bold off|underline off|size 9|pointer normal|"
    "end|message none 'Sheet sent to the printer\r\nSaved as /home/ann/Test wing.pdf'|";

// Every entry of a page log, each ended by '|'.
std::string joined(const Log& log) {
  std::string all;
  for (const auto& entry : log) all += entry + '|';
  return all;
}

// The mass and wing loading are joined into one text, the loading as the label shows it.
// The page's delivery note follows the closing message.
TEST_F(PrintSheet, OnePanelSheet) {
  window.page->note = "Saved as /home/ann/Test wing.pdf";
  EXPECT_EQ(joined(print(onePanel())), kOnePanelSheet);
  EXPECT_FALSE(window.busy);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].title, "Tavelor");
  EXPECT_EQ(window.messages[0].buttons, i18n::Buttons::Ok);
}

// What the panel columns add to the one-panel sheet: headings, figures and outlines, each panel
// from its root trailing edge and the next starting at its tip trailing edge.
TEST_F(PrintSheet, FivePanelSheet) {
  Log columns;
  for (const auto& entry : print(fivePanels())) {
    const bool outline =
        entry.starts_with("line ") && !entry.ends_with(" red") && !entry.ends_with(" blue");
    if (outline || entry.starts_with("number@") ||
        entry.find(",1644.3 'Panel ") != std::string::npos) {
      columns.push_back(entry);
    }
  }
  EXPECT_EQ(joined(columns),
            "text@2551.5,1644.3 'Panel 1' stays|text@3515.4,1644.3 'Panel 2' stays|"
            "text@4479.3,1644.3 'Panel 3' stays|text@5443.2,1644.3 'Panel 4' stays|"
            "text@6407.1,1644.3 'Panel 5' stays|number@2835,1871.1 300 stays|"
            "number@3798.9,1871.1 280 stays|number@4762.8,1871.1 260 stays|"
            "number@5726.7,1871.1 240 stays|number@6690.6,1871.1 220 stays|"
            "number@2835,2097.9 280 stays|number@3798.9,2097.9 260 stays|"
            "number@4762.8,2097.9 240 stays|number@5726.7,2097.9 220 stays|"
            "number@6690.6,2097.9 200 stays|number@2835,2324.7 200 stays|"
            "number@3798.9,2324.7 200 stays|number@4762.8,2324.7 200 stays|"
            "number@5726.7,2324.7 200 stays|number@6690.6,2324.7 200 stays|"
            "number@3798.9,2551.5 -12.5 stays|number@4762.8,2551.5 5 stays|"
            "number@5726.7,2551.5 12.5 stays|number@6690.6,2551.5 20 stays|"
            "number@2835,2778.3 30 stays|line 2464,8986 2464,5584|line 2464,5584 4732,5584|"
            "line 4732,5584 4732,8759.2|line 4732,8759.2 2464,8986|line 4732,8759.2 4732,5584|"
            "line 4732,5584 7000,5442.25|line 7000,5442.25 7000,8390.65|"
            "line 7000,8390.65 4732,8759.2|line 7000,8390.65 7000,5442.25|"
            "line 7000,5442.25 9268,5640.7|line 9268,5640.7 9268,8362.3|"
            "line 9268,8362.3 7000,8390.65|line 9268,8362.3 9268,5640.7|"
            "line 9268,5640.7 11536,5725.75|line 11536,5725.75 11536,8220.55|"
            "line 11536,8220.55 9268,8362.3|line 11536,8220.55 11536,5725.75|"
            "line 11536,5725.75 13804,5810.8|line 13804,5810.8 13804,8078.8|"
            "line 13804,8078.8 11536,8220.55|");
}

// The entries from the scale line's position to the solid line style after the marks.
Log scaleToMarks(const Log& log) {
  auto first = std::find(log.begin(), log.end(), "y 3685");
  auto last = std::find(first, log.end(), "style solid");
  return last == log.end() ? Log{} : Log(first, last + 1);
}

TEST_F(PrintSheet, ZeroHalfSpanPrintsNoScaleAndCollapsesTheOutline) {
  auto state = onePanel();
  state.panelLength[0] = 0;
  state.spanUpTo[0] = 0;
  state.halfSpan = 0;
  EXPECT_EQ(joined(scaleToMarks(print(state))),
            "y 3685|x 1134|bold on|underline on|bold off|underline off|"
            "line 8134,7285 8134,7285|line 8134,7285 8134,7285|line 8134,7285 8134,7285|"
            "line 8134,7285 8134,7285|style dashdotdot|line 7934,7285 8334,7285 blue|"
            "line 8134,7285 8134,7285 red|line 8134,6985 8134,7265 red|"
            "line 8134,7305 8134,7685 red|line 8184,7285 8234,7285 blue|style solid|");
}

TEST_F(PrintSheet, NumbersJoinedIntoTextUseTheLocaleMark) {
  window.mark = ",";
  auto state = onePanel();
  state.mass = 1500.5;
  const Log log = print(state);
  EXPECT_THAT(log, ::testing::Contains("text@9355.5,1871.1 '2 000,00' stays"));
  EXPECT_THAT(log, ::testing::Contains(
                       "text@1984.5,3118.5 'Mass : 1500,5 g     Wing loading : 30.00 g/dm\u00b2' "
                       "ends"));
}

bool isWindowEntry(const std::string& entry) {
  return entry.rfind("pointer ", 0) == 0 || entry.rfind("message ", 0) == 0;
}

// A fault at any page operation stops the sheet there: pointer back to normal, the unfinished
// document aborted, message 16 and nothing else.
TEST_F(PrintSheet, FaultAtEveryOperationStopsThereAndReports) {
  const Log clean = print(fivePanels());
  int operations = 0;
  for (const auto& entry : clean) {
    operations += !isWindowEntry(entry);
  }
  ASSERT_GT(operations, 150);

  for (int failAt = 0; failAt < operations; ++failAt) {
    SCOPED_TRACE("fault at page operation " + std::to_string(failAt));
    testing::FakePrintWindow faulty;
    faulty.setResultCaption(calc::ResultLabel::LbafficheCA, "30.00 g/dm\u00b2");
    faulty.page->failAt = failAt;
    testing::RecordingPage page(faulty.page);
    imprime(fivePanels(), faulty, *language, page);

    Log expected;
    int seen = 0;
    for (const auto& entry : clean) {
      expected.push_back(entry);
      if (!isWindowEntry(entry) && seen++ == failAt) {
        break;
      }
    }
    expected.insert(expected.end(),
                    {"pointer normal", "abort", "message critical 'Printer fault'"});
    ASSERT_THAT(faulty.page->log, ElementsAreArray(expected));
    ASSERT_EQ(faulty.messages.size(), 1u);
    EXPECT_EQ(faulty.messages[0].title, "Tavelor");
    EXPECT_EQ(faulty.messages[0].buttons, i18n::Buttons::Ok);
    EXPECT_FALSE(faulty.busy);
  }
}

TEST_F(PrintSheet, AFailingAbortDoesNotEscape) {
  window.page->failAt = 10;
  window.page->abortThrows = true;
  EXPECT_NO_THROW(print(onePanel()));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, "Printer fault");
  EXPECT_EQ(window.messages[0].icon, i18n::Icon::Critical);
}

}  // namespace
}  // namespace tavelor::plot

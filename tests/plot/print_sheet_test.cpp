#include "plot/print_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sheet_language.h"
#include "support/fake_print_window.h"
#include "support/recording_page.h"

namespace tavelor::plot {
namespace {

using Log = std::vector<std::string>;

// Half span 1000 mm, root 300, tip 200, no sweep: printed at 1/5 (11.34 twips per mm) with the
// root at x 2464 and its trailing edge at y 8986, its leading edge at 5584.
calc::WingState onePanel() {
  calc::WingState state;
  state.lastPanel = 0;
  state.rootChord[0] = 300;
  state.tipChord[0] = 200;
  state.panelLength[0] = state.spanUpTo[0] = state.halfSpan = 1000;
  state.halfAreaMm2 = 250000;
  state.aspectRatio = 8;
  state.centringPct = 30;
  state.mass = 1500;
  state.macSpanPos = {450, 450, 450, 450, 450};
  state.macLength = {250, 250, 250, 250, 250};
  state.centringPos = {75, 75, 75, 75, 75};
  state.lengthUnit = calc::kLengthUnit;
  state.areaUnit = calc::kAreaUnit;
  state.sheetName = "Test wing";
  state.resultsValid = 1;
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
  // The log without the moves of the current point: each text and number shows where it went.
  std::string printed(const calc::WingState& state) {
    Log kept;
    for (const auto& entry : print(state)) {
      if (!entry.starts_with("x ") && !entry.starts_with("y ")) kept.push_back(entry);
    }
    return test::joined(kept);
  }

  test::SheetLanguage language;
  testing::FakePrintWindow window;
};

// The mass and wing loading are joined into one text, the loading as the label shows it; the
// page's delivery note follows the closing message.
TEST_F(PrintSheet, OnePanelSheet) {
  window.page->note = "Saved as /home/ann/Test wing.pdf";
  EXPECT_EQ(printed(onePanel()),
            "pointer busy|landscape|font Arial|size 10|text@1134,907.2 'Sheet: Test wing' stays|"
            "text@11340,907.2 'Date: 06/12/2026' stays|size 5|"
            "text@12940,907.2 '   Version 2.8.0' ends|size 10|text@0,1007.2 '' ends|size 12|"
            "underline on|text@1134,1207.2 'Entr\u00e9es' stays|text@8221.5,1207.2 'Results' ends|"
            "size 9|underline off|text@2551.5,1644.3 'Panel 1' stays|"
            "text@1134,1871.1 'Root chord' stays|number@2835,1871.1 300 stays|"
            "text@8051.4,1871.1 'Span' stays|text@9355.5,1871.1 '2 000.00' stays|"
            "text@10155.5,1871.1 ' mm  ' stays|ink red|text@12020.4,1871.1 'Distance X' stays|"
            "text@13324.5,1871.1 ' 450.00' stays|text@14024.5,1871.1 ' mm  ' ends|ink black|"
            "text@1134,2097.9 'Tip chord' stays|number@2835,2097.9 200 stays|"
            "text@850.5,2324.7 'Panel length' stays|number@2835,2324.7 1000 stays|"
            "text@8391.6,2324.7 'Area' stays|text@9355.5,2324.7 ' 50.00' stays|"
            "text@9955.5,2324.7 ' dm\u00b2  ' stays|text@11680.2,2324.7 'Mean chord' stays|"
            "text@13324.5,2324.7 ' 250.00' stays|text@14024.5,2324.7 ' mm  ' ends|"
            "text@1134,2551.5 'Sweep' stays|text@2835,2551.5 '' stays|"
            "text@1020.6,2778.3 'Centring %' stays|number@2835,2778.3 30 stays|"
            "text@7711.2,2778.3 'Aspect ratio' stays|text@9355.5,2778.3 ' 8.00' stays|ink blue|"
            "text@11283.3,2778.3 'Centring distance' stays|text@13324.5,2778.3 ' 75.00' stays|"
            "text@13924.5,2778.3 ' mm  ' ends|ink black|"
            "text@1984.5,3118.5 'Mass : 1500 g     Wing loading : 30.00 g/dm\u00b2' ends|bold on|"
            "underline on|text@1134,3685 'Scale 1/5' ends|bold off|underline off|"
            "line 2464,8986 2464,5584|line 2464,5584 13804,5584|line 13804,5584 13804,7852|"
            "line 13804,7852 2464,8986|style dashdotdot|line 7367,6434.5 7767,6434.5 blue|"
            "line 7567,5017 7567,9269.5 red|line 2464,5284 2464,5564 red|"
            "line 2464,9006 2464,9386 red|line 2514,5584 7667,5584 blue|style solid|bold off|"
            "underline off|size 9|pointer normal|end|"
            "message none 'Sheet sent to the printer\r\nSaved as /home/ann/Test wing.pdf'|");
  EXPECT_EQ(window.messages.at(0).buttons, base::Buttons::Ok);
}

// Each further panel's column is 963.9 twips to the right of the previous one.
TEST_F(PrintSheet, FivePanelColumns) {
  std::string columns;
  for (const auto& entry : print(test::withFivePanels(onePanel()))) {
    if (entry.find(",1644.3 'Panel ") != std::string::npos ||
        (entry.starts_with("number@") && entry.find(",1871.1 ") != std::string::npos)) {
      columns += entry + '|';
    }
  }
  EXPECT_EQ(columns,
            "text@2551.5,1644.3 'Panel 1' stays|text@3515.4,1644.3 'Panel 2' stays|"
            "text@4479.3,1644.3 'Panel 3' stays|text@5443.2,1644.3 'Panel 4' stays|"
            "text@6407.1,1644.3 'Panel 5' stays|number@2835,1871.1 300 stays|"
            "number@3798.9,1871.1 280 stays|number@4762.8,1871.1 260 stays|"
            "number@5726.7,1871.1 240 stays|number@6690.6,1871.1 220 stays|");
}

TEST_F(PrintSheet, ZeroHalfSpanPrintsNoScaleAndCollapsesTheOutline) {
  auto state = onePanel();
  state.panelLength[0] = state.spanUpTo[0] = state.halfSpan = 0;
  const std::string sheet = printed(state);
  EXPECT_EQ(sheet.find("Scale"), std::string::npos);
  EXPECT_NE(sheet.find("underline off|line 8134,7285 8134,7285|line 8134,7285 8134,7285|"
                       "line 8134,7285 8134,7285|line 8134,7285 8134,7285|style dashdotdot|"
                       "line 7934,7285 8334,7285 blue|line 8134,7285 8134,7285 red|"
                       "line 8134,6985 8134,7265 red|line 8134,7305 8134,7685 red|"
                       "line 8184,7285 8234,7285 blue|style solid|"),
            std::string::npos);
}

bool isWindowEntry(const std::string& entry) {
  return entry.starts_with("pointer ") || entry.starts_with("message ");
}

// A fault at any page operation stops the sheet there: pointer back to normal, the unfinished
// document aborted, message 16 and nothing else.
TEST_F(PrintSheet, FaultAtEveryOperationStopsThereAndReports) {
  const auto wing = test::withFivePanels(onePanel());
  const Log clean = print(wing);
  const auto operations = std::count_if(clean.begin(), clean.end(),
                                        [](const auto& entry) { return !isWindowEntry(entry); });
  ASSERT_GT(operations, 150);
  for (int failAt = 0; failAt < operations; ++failAt) {
    SCOPED_TRACE("fault at page operation " + std::to_string(failAt));
    testing::FakePrintWindow faulty;
    faulty.setResultCaption(calc::ResultLabel::LbafficheCA, "30.00 g/dm\u00b2");
    faulty.page->failAt = failAt;
    testing::RecordingPage page(faulty.page);
    imprime(wing, faulty, *language, page);

    Log expected;
    for (int seen = 0; const auto& entry : clean) {
      expected.push_back(entry);
      if (!isWindowEntry(entry) && seen++ == failAt) break;
    }
    expected.insert(expected.end(),
                    {"pointer normal", "abort", "message critical 'Printer fault'"});
    ASSERT_EQ(faulty.page->log, expected);
    ASSERT_EQ(faulty.messages.size(), 1u);
    EXPECT_EQ(faulty.messages[0].title, "Tavelor");
    EXPECT_FALSE(faulty.busy);
  }
}

}  // namespace
}  // namespace tavelor::plot

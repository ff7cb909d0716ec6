#include "calc/calculate.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "calc/inputs.h"
#include "support/fake_window.h"
#include "support/language_folder.h"

namespace tavelor::calc {
namespace {

using tavelor::testing::FakeInputWindow;
using Row = std::array<std::string, 4>;  // root chord, tip chord, length, sweep
// Span, area, aspect ratio, mean chord station, mean chord, centring distance, wing loading.
using Labels = std::array<std::string, 7>;

constexpr ResultLabel kAllLabels[] = {
    ResultLabel::Lbenv,  ResultLabel::Lbsurf,      ResultLabel::Lballong,   ResultLabel::Lbdist_x,
    ResultLabel::Lbcmoy, ResultLabel::Lbdistcentr, ResultLabel::LbafficheCA};

const char* const kPanelMessage = "Bad panels";
const char* const kCentringMessage = "Bad centring";
const char* const kTitle = "Tavelor";

class CalculateFixture {
 protected:
  CalculateFixture() {
    state.areaUnit = kAreaUnit;
    state.lengthUnit = kLengthUnit;
    clearInputs(state, window, *language);
    window.selections.clear();
  }

  // Types a wing the way a user does: row by row, the tip chord feeding the next root chord.
  void enterWing(const std::vector<Row>& rows, const std::string& centring,
                 const std::string& mass) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      window.setPanel(static_cast<int>(i), rows[i][0], rows[i][1], rows[i][2], rows[i][3]);
    }
    window.setFieldText(Field::Cg, 0, centring);
    window.setFieldText(Field::masse, 0, mass);
  }

  bool run() { return calculate(state, window, *language); }

  Labels labels() const {
    Labels result;
    for (std::size_t i = 0; i < result.size(); ++i) result[i] = window.resultCaption(kAllLabels[i]);
    return result;
  }

  tavelor::testing::LanguageFolder language{
      {{"Message", {{"1", kPanelMessage}, {"2", kCentringMessage}}}, {"Label", {{"0", kTitle}}}}};
  FakeInputWindow window;
  WingState state;
};

// The three wings worked out by hand.
const std::vector<Row> kRectangularWing{{"200", "200", "500", "0"}};
const std::vector<Row> kTaperedWing{{"250", "150", "600", "100"}};
const std::vector<Row> kTwoPanelWing{{"250", "200", "400", "0"}, {"200", "100", "300", "50"}};

struct WorkedWing {
  const char* name;
  std::vector<Row> rows;
  const char* centring;
  const char* mass;
  const char* mark;
  Labels labels;
  // Whole-wing figures: halfSpan, halfAreaMm2, aspectRatio, mean chord, its station, its leading
  // edge, the centring point, mass, wing loading.
  std::array<double, 9> figures;
};

void PrintTo(const WorkedWing& c, std::ostream* os) { *os << c.name; }

class WorkedWingTest : public CalculateFixture, public ::testing::TestWithParam<WorkedWing> {};

TEST_P(WorkedWingTest, GivesEveryFigureAndLabel) {
  const auto& wing = GetParam();
  window.mark = wing.mark;
  enterWing(wing.rows, wing.centring, wing.mass);

  ASSERT_TRUE(run());
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(state.resultsValid, 1);
  EXPECT_EQ(labels(), wing.labels);

  const int n = state.lastPanel;
  EXPECT_EQ(n, static_cast<int>(wing.rows.size()) - 1);
  const std::array<double, 9> actual{state.halfSpan,       state.halfAreaMm2,   state.aspectRatio,
                                     state.macLength[n],   state.macSpanPos[n], state.macLeadPos[n],
                                     state.centringPos[n], state.mass,          state.wingLoading};
  for (std::size_t k = 0; k < actual.size(); ++k) {
    EXPECT_NEAR(actual[k], wing.figures[k], 1e-9 * (1 + std::abs(wing.figures[k])))
        << "figure " << k;
  }
  EXPECT_EQ(window.planClears, 1);  // only the clear at start-up: drawing is the caller's
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorkedWingTest,
    ::testing::Values(WorkedWing{"Rectangular",
                                 kRectangularWing,
                                 "30",
                                 "1000",
                                 ".",
                                 {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ",
                                  " 200.00 mm  ", " 60.00 mm  ", " 50.00 g/dm\u00b2"},
                                 {500, 100000, 5, 200, 250, 0, 60, 1000, 50}},
                      WorkedWing{"TaperedSweptNoMassCommaLocale",
                                 kTaperedWing,
                                 "25",
                                 "",
                                 ",",
                                 {"1 200,00 mm  ", " 24,00 dm\u00b2  ", " 6,00", " 275,00 mm  ",
                                  " 204,17 mm  ", " 96,88 mm  ", " 0,00 g/dm\u00b2"},
                                 {600, 120000, 6, 2450.0 / 12, 275, 275.0 / 6,
                                  275.0 / 6 + 2450.0 / 48, 0, 0}},
                      WorkedWing{"TwoPanels",
                                 kTwoPanelWing,
                                 "30",
                                 "1500",
                                 ".",
                                 {"1 400.00 mm  ", " 27.00 dm\u00b2  ", " 7.26", " 306.17 mm  ",
                                  " 202.47 mm  ", " 68.15 mm  ", " 55.56 g/dm\u00b2"},
                                 {700, 135000, 1400.0 * 1400 / 270000, 16400.0 / 81, 24800.0 / 81,
                                  200.0 / 27, 200.0 / 27 + 0.3 * 16400 / 81, 1500, 1500.0 / 27}}),
    [](const auto& info) { return std::string(info.param.name); });

class CalculateTest : public CalculateFixture, public ::testing::Test {};

// The merged figures at every index are the property test's; these per-panel ones are not merged.
TEST_F(CalculateTest, TwoPanelWingKeepsEachPanelsAreaAndTaper) {
  enterWing(kTwoPanelWing, "30", "1500");
  ASSERT_TRUE(run());
  EXPECT_NEAR(state.panelArea[0], 9, 1e-9);
  EXPECT_NEAR(state.panelArea[1], 4.5, 1e-9);
  EXPECT_EQ(state.taperRatio[0], 0.8);
  EXPECT_EQ(state.taperRatio[1], 0.5);
}

TEST_F(CalculateTest, SelectsTheFirstRootChordAndMovesTheFocusOnlyWhenReady) {
  enterWing(kRectangularWing, "30", "1000");
  ASSERT_TRUE(run());
  ASSERT_EQ(window.selections.size(), 1u);
  EXPECT_EQ(window.selections[0], std::make_pair(Field::C_max, 0));
  EXPECT_TRUE(window.focusCalls.empty());

  onFieldFocus(state, window, Field::C_max, 0);
  ASSERT_TRUE(run());
  EXPECT_EQ(window.focusCalls.size(), 1u);
}

TEST_F(CalculateTest, NegativeSweepPutsTheLeadingEdgeAndCentringAhead) {
  enterWing({{"250", "150", "600", "-300"}}, "25", "");
  ASSERT_TRUE(run());
  EXPECT_DOUBLE_EQ(state.macLeadPos[0], -137.5);
  EXPECT_EQ(window.resultCaption(ResultLabel::Lbdistcentr), " -86.46 mm  ");
}

TEST_F(CalculateTest, PanelsBeyondTheLastKeepWhatAnEarlierCalculationLeft) {
  enterWing(kTwoPanelWing, "30", "1500");
  ASSERT_TRUE(run());
  const WingState twoPanels = state;

  // Panel 2 emptied except its sweep, which must be ignored.
  window.setPanel(1, "", "", "", "999");
  ASSERT_TRUE(run());
  EXPECT_EQ(state.lastPanel, 0);
  EXPECT_EQ(window.resultCaption(ResultLabel::Lbenv), " 800.00 mm  ");
  EXPECT_EQ(state.macLength[1], twoPanels.macLength[1]);
  EXPECT_EQ(state.macSpanPos[1], twoPanels.macSpanPos[1]);
  EXPECT_EQ(state.centringPos[1], twoPanels.centringPos[1]);
  EXPECT_EQ(state.areaUpTo[1], twoPanels.areaUpTo[1]);
}

enum Expect { kResults, kPanelFault, kCentringFault };

struct ValidationCase {
  const char* name;
  std::vector<Row> rows;
  const char* centring;
  Expect expect;
};

void PrintTo(const ValidationCase& c, std::ostream* os) { *os << c.name; }

class ValidationTest : public CalculateFixture, public ::testing::TestWithParam<ValidationCase> {};

// A failed validation shows its message and leaves every result as it was.
TEST_P(ValidationTest, ShowsTheFirstFaultOnly) {
  const auto& c = GetParam();
  enterWing(c.rows, c.centring, "1000");
  for (const auto label : kAllLabels) window.setResultCaption(label, "old");
  const int planClears = window.planClears;

  const bool stands = run();

  EXPECT_EQ(stands, c.expect == kResults);
  EXPECT_EQ(state.resultsValid, stands ? 1 : 0);
  if (stands) {
    EXPECT_TRUE(window.messages.empty());
    EXPECT_NE(window.resultCaption(ResultLabel::Lbenv), "old");
    return;
  }
  ASSERT_EQ(window.messages.size(), 1u);
  const auto& message = window.messages[0];
  EXPECT_EQ(message.text, c.expect == kPanelFault ? kPanelMessage : kCentringMessage);
  EXPECT_EQ(message.title, kTitle);
  EXPECT_EQ(message.icon, i18n::Icon::Warning);
  EXPECT_EQ(message.buttons, i18n::Buttons::Ok);
  for (const auto label : kAllLabels) EXPECT_EQ(window.resultCaption(label), "old");
  EXPECT_EQ(window.planClears, planClears);
  EXPECT_TRUE(window.selections.empty());
  EXPECT_TRUE(window.focusCalls.empty());
}

const Row kPanel1{"200", "150", "300", "20"};
const Row kPanel2{"150", "100", "200", "40"};

using V = ValidationCase;
INSTANTIATE_TEST_SUITE_P(
    Table, ValidationTest,
    ::testing::Values(
        V{"EverythingEmpty", {}, "30", kPanelFault},
        V{"Panel1LengthWithoutTip", {{"200", "", "300", "0"}}, "30", kPanelFault},
        V{"Panel1TipWithoutLength", {{"200", "150", "", "0"}}, "30", kPanelFault},
        V{"Panel2TipWithoutLength", {kPanel1, {"150", "100", "", "0"}}, "30", kPanelFault},
        V{"Panel1WithoutRootChord", {{"", "150", "300", "0"}}, "30", kPanelFault},
        V{"CentringCheckedBeforeRootChord", {{"", "150", "300", "0"}}, "120", kCentringFault},
        V{"CentringEmpty", {kPanel1}, "", kCentringFault},
        V{"CentringZero", {kPanel1}, "0", kCentringFault},
        V{"CentringHundred", {kPanel1}, "100", kCentringFault},
        V{"CentringNegativePasted", {kPanel1}, "-5", kCentringFault},
        V{"CentringJustBelowHundred", {kPanel1}, "99,9", kResults},
        V{"CentringWorthZeroNotZeroText", {kPanel1, kPanel2}, "0,0", kResults},
        V{"CentringDoubleZeroText", {kPanel1}, "00", kResults},
        // A gap in the grid is a panel fault, found before the centring is looked at.
        V{"GapBetweenPanels",
          {kPanel1, {"150", "", "", ""}, {"", "100", "200", "40"}},
          "120",
          kPanelFault},
        V{"FivePanels",
          {kPanel1,
           kPanel2,
           {"100", "90", "100", "50"},
           {"90", "80", "100", "60"},
           {"80", "40", "100", "80"}},
          "30",
          kResults},
        V{"UnusedPanelSweepIgnored", {kPanel1, {"150", "", "", "999"}}, "30", kResults}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculateTest, ValuesReadBeforeAFailureAreKept) {
  enterWing({kPanel1, {"150", "100", "", "40"}}, "25", "");
  ASSERT_FALSE(run());
  EXPECT_EQ(state.rootChord[0], 200);
  EXPECT_EQ(state.panelLength[0], 300);
  EXPECT_EQ(state.tipChord[1], 100);
  EXPECT_EQ(state.sweepOffset[1], 40);
  EXPECT_EQ(state.lastPanel, 0);
  EXPECT_EQ(state.centringPct, 0);  // not reached

  window.setFieldText(Field::L_trap, 1, "200");
  window.setFieldText(Field::Cg, 0, "120");
  ASSERT_FALSE(run());
  EXPECT_EQ(state.lastPanel, 1);
  EXPECT_EQ(state.centringPct, 120);
}

struct FaultCase {
  const char* name;
  std::vector<Row> rows;
  std::string mass;
  // Fields set after the rows, as a pasted text or a wing data file would leave them.
  std::vector<std::pair<Field, std::pair<int, std::string>>> overrides;
};

void PrintTo(const FaultCase& c, std::ostream* os) { *os << c.name; }

class FaultTest : public CalculateFixture, public ::testing::TestWithParam<FaultCase> {};

// Inputs that pass validation but describe no wing: message 1, and the previous results stand.
TEST_P(FaultTest, ShowsThePanelMessageAndKeepsThePreviousResults) {
  const auto& c = GetParam();
  enterWing(kTwoPanelWing, "30", "1500");
  ASSERT_TRUE(run());
  const Labels before = labels();
  const WingState previous = state;

  clearInputs(state, window, *language);
  for (std::size_t i = 0; i < before.size(); ++i) window.setResultCaption(kAllLabels[i], before[i]);
  enterWing(c.rows, "30", c.mass);
  for (const auto& [field, value] : c.overrides) {
    window.setFieldText(field, value.first, value.second);
  }

  EXPECT_FALSE(run());
  EXPECT_EQ(state.resultsValid, 0);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, kPanelMessage);
  EXPECT_EQ(labels(), before);
  EXPECT_EQ(state.macLength, previous.macLength);
  EXPECT_EQ(state.macSpanPos, previous.macSpanPos);
  EXPECT_EQ(state.centringPos, previous.centringPos);
  EXPECT_EQ(state.halfSpan, previous.halfSpan);
  EXPECT_EQ(state.wingLoading, previous.wingLoading);
}

const std::string kHuge = "1" + std::string(200, '0');
const std::string kBeyondDouble(400, '9');

using F = FaultCase;
INSTANTIATE_TEST_SUITE_P(
    Table, FaultTest,
    ::testing::Values(
        F{"LaterPanelWithZeroRootChord",
          {{"250", "200", "400", "0"}, {"200", "100", "300", "50"}},
          "",
          {{Field::C_max, {1, "0"}}}},
        F{"PastedNegativeTipCancelsTheArea",
          {{"100", "100", "100", "0"}, {"100", "-300", "100", "0"}},
          "",
          {}},
        F{"PastedNegativeLength", {{"200", "200", "-500", "0"}}, "", {}},
        F{"TipOppositeToRoot", {{"100", "-100", "300", "0"}}, "", {}},
        F{"LengthBeyondLargestDouble", {{"200", "200", kBeyondDouble, "0"}}, "", {}},
        F{"AreaOverflows", {{kHuge, kHuge, kHuge, "0"}}, "", {}},
        F{"SweepBeyondLargestDouble", {{"200", "150", "300", kBeyondDouble}}, "", {}},
        F{"MassBeyondLargestDouble", {{"200", "150", "300", "0"}}, kBeyondDouble, {}},
        F{"LoadingOverflows", {{"0,001", "0,001", "0,001", "0"}}, "1" + std::string(300, '0'), {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelor::calc

#include "calc/calculate.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "calc/inputs.h"
#include "support/fake_window.h"
#include "support/language_folder.h"

namespace tavelor::calc {
namespace {

using Row = std::array<std::string, 4>;  // root chord, tip chord, length, sweep
using Labels = std::array<std::string, 7>;

constexpr ResultLabel kAllLabels[] = {
    ResultLabel::Lbenv,  ResultLabel::Lbsurf,      ResultLabel::Lballong,   ResultLabel::Lbdist_x,
    ResultLabel::Lbcmoy, ResultLabel::Lbdistcentr, ResultLabel::LbafficheCA};

class CalculateFixture {
 protected:
  CalculateFixture() {
    state.areaUnit = kAreaUnit;
    state.lengthUnit = kLengthUnit;
    clearInputs(state, window, *language);
  }

  void enterWing(const std::vector<Row>& rows, const std::string& centring,
                 const std::string& mass) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      window.setPanel(static_cast<int>(i), rows[i][0], rows[i][1], rows[i][2], rows[i][3]);
    }
    window.setFieldText(Field::Cg, 0, centring);
    window.setFieldText(Field::masse, 0, mass);
  }

  Labels labels() const {
    Labels result;
    for (std::size_t i = 0; i < result.size(); ++i) result[i] = window.resultCaption(kAllLabels[i]);
    return result;
  }

  tavelor::testing::LanguageFolder language{
      {{"Message", {{"1", "Bad panels"}, {"2", "Bad centring"}}}, {"Label", {{"0", "Tavelor"}}}}};
  tavelor::testing::FakeInputWindow window;
  WingState state;
};

struct WorkedWing {
  const char* name;
  std::vector<Row> rows;
  const char* centring;
  const char* mass;
  const char* mark;
  Labels labels;  // span, area, aspect ratio, mean chord station, mean chord, centring, loading
  double leadingEdge;
};

void PrintTo(const WorkedWing& c, std::ostream* os) { *os << c.name; }

class WorkedWingTest : public CalculateFixture, public ::testing::TestWithParam<WorkedWing> {};

TEST_P(WorkedWingTest, GivesEveryResult) {
  const auto& wing = GetParam();
  window.mark = wing.mark;
  enterWing(wing.rows, wing.centring, wing.mass);
  ASSERT_TRUE(calculate(state, window, *language));
  EXPECT_TRUE(window.messages.empty());
  EXPECT_EQ(labels(), wing.labels);
  EXPECT_NEAR(state.macLeadPos[state.lastPanel], wing.leadingEdge, 1e-9);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, WorkedWingTest, ::testing::Values(
    WorkedWing{"Rectangular", {{"200", "200", "500", "0"}}, "30", "1000", ".",
               {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ", " 200.00 mm  ",
                " 60.00 mm  ", " 50.00 g/dm\u00b2"}, 0},
    WorkedWing{"TaperedSweptNoMassComma", {{"250", "150", "600", "100"}}, "25", "", ",",
               {"1 200,00 mm  ", " 24,00 dm\u00b2  ", " 6,00", " 275,00 mm  ", " 204,17 mm  ",
                " 96,88 mm  ", " 0,00 g/dm\u00b2"}, 275.0 / 6},
    WorkedWing{"TwoPanels", {{"250", "200", "400", "0"}, {"200", "100", "300", "50"}}, "30", "1500",
               ".", {"1 400.00 mm  ", " 27.00 dm\u00b2  ", " 7.26", " 306.17 mm  ", " 202.47 mm  ",
                     " 68.15 mm  ", " 55.56 g/dm\u00b2"}, 200.0 / 27}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

enum Expect { kResults, kPanelFault, kCentringFault };

struct ValidationCase {
  const char* name;
  std::vector<Row> rows;
  std::string centring;
  Expect expect;
  std::string mass = "1000";
  const char* secondRoot = nullptr;  // typed over the copied tip, as a wing data file may leave it
};

void PrintTo(const ValidationCase& c, std::ostream* os) { *os << c.name; }

class ValidationTest : public CalculateFixture, public ::testing::TestWithParam<ValidationCase> {};

// A refused calculation shows the first fault only and leaves every result label as it was.
TEST_P(ValidationTest, ShowsTheFirstFaultOnly) {
  const auto& c = GetParam();
  enterWing(c.rows, c.centring, c.mass);
  if (c.secondRoot) window.setFieldText(Field::C_max, 1, c.secondRoot);
  for (const auto label : kAllLabels) window.setResultCaption(label, "old");

  const bool stands = calculate(state, window, *language);

  EXPECT_EQ(stands, c.expect == kResults);
  EXPECT_EQ(state.resultsValid, stands ? 1 : 0);
  if (stands) {
    EXPECT_TRUE(window.messages.empty());
    EXPECT_NE(window.resultCaption(ResultLabel::Lbenv), "old");
    return;
  }
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, c.expect == kPanelFault ? "Bad panels" : "Bad centring");
  EXPECT_EQ(window.messages[0].title, "Tavelor");
  EXPECT_EQ(window.messages[0].icon, base::Icon::Warning);
  for (const auto& text : labels()) EXPECT_EQ(text, "old");
}

const Row kPanel1{"200", "150", "300", "20"};
const Row kPanel2{"150", "100", "200", "40"};
const std::string kHuge = "1" + std::string(200, '0');
const std::string kBeyondDouble(400, '9');

using V = ValidationCase;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Table, ValidationTest, ::testing::Values(
    V{"EverythingEmpty", {}, "30", kPanelFault},
    V{"Panel1LengthWithoutTip", {{"200", "", "300", "0"}}, "30", kPanelFault},
    V{"Panel2TipWithoutLength", {kPanel1, {"150", "100", "", "0"}}, "30", kPanelFault},
    V{"Panel1WithoutRootChord", {{"", "150", "300", "0"}}, "30", kPanelFault},
    V{"CentringCheckedFirst", {{"", "150", "300", "0"}}, "120", kCentringFault},
    V{"CentringEmpty", {kPanel1}, "", kCentringFault},
    V{"CentringZero", {kPanel1}, "0", kCentringFault},
    V{"CentringHundred", {kPanel1}, "100", kCentringFault},
    V{"CentringJustBelowHundred", {kPanel1}, "99,9", kResults},
    V{"CentringWorthZeroTwoPanels", {kPanel1, kPanel2}, "0,0", kResults},
    V{"UnusedPanelSweepIgnored", {kPanel1, {"150", "", "", "999"}}, "30", kResults},
    // Inputs that pass the checks but describe no wing are panel faults too.
    V{"GapBetweenPanels", {kPanel1, {"150", "", "", ""}, {"", "100", "200", "40"}}, "120",
      kPanelFault},
    V{"LaterZeroRootChord", {kPanel1, kPanel2}, "30", kPanelFault, "1000", "0"},
    V{"NegativeTipCancelsArea", {{"100", "100", "100", "0"}, {"100", "-300", "100", "0"}}, "30",
      kPanelFault},
    V{"LengthBeyondDouble", {{"200", "200", kBeyondDouble, "0"}}, "30", kPanelFault},
    V{"AreaOverflows", {{kHuge, kHuge, kHuge, "0"}}, "30", kPanelFault},
    V{"MassBeyondDouble", {kPanel1}, "30", kPanelFault, kBeyondDouble},
    V{"LoadingOverflows", {{"0,001", "0,001", "0,001", "0"}}, "30", kPanelFault,
      "1" + std::string(300, '0')}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace tavelor::calc

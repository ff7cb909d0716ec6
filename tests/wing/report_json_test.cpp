#include "wing/report_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "support/outline_wing.h"

namespace tavelor::wing {
namespace {

// The keys, their order and the rounded figures are the command-line test's; here, every digit
// and the nulls.
TEST(ReportJson, KeepsEveryDigitAndWritesNullForWhatIsMissing) {
  WingResults w = computeWing({testing::kTwoPanelWing.panels, 30, 0}).results.value();
  w.aspectRatio = std::numeric_limits<double>::infinity();
  const std::string json = reportJson(w, {{"third", 1.0 / 3}, {"nan", std::nan("")}});
  EXPECT_NE(json.find("\"third\": 0.3333333333333333,\n"), std::string::npos) << json;
  for (const std::string key : {"mass_g", "wing_loading_g_dm2", "aspect_ratio", "nan"}) {
    EXPECT_NE(json.find("\"" + key + "\": null"), std::string::npos) << key << " in\n" << json;
  }
}

}  // namespace
}  // namespace tavelor::wing

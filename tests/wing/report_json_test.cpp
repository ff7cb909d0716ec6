#include "wing/report_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <utility>

#include "support/outline_wing.h"

namespace tavelor::wing {
namespace {

TEST(ReportJson, KeepsEveryDigitAndWritesNullForWhatIsMissing) {
  const WingResults w = computeWing(testing::kTwoPanelWing).results.value();
  const std::string json = reportJson(w, {{"neutral_point_mm", 1.0 / 3}});
  const std::pair<std::string, double> figures[] = {
      {"area_dm2", w.areaDm2},      {"aspect_ratio", w.aspectRatio}, {"mac_mm", w.macLength},
      {"centring_mm", w.centring},  {"root_chord_mm", 250},  // the first panel's
      {"neutral_point_mm", 1.0 / 3}};
  for (const auto& [key, value] : figures) {
    // Every digit: the text reads back to the very same number.
    const auto at = json.find("\"" + key + "\": ");
    ASSERT_NE(at, std::string::npos) << key;
    char* end = nullptr;
    EXPECT_EQ(std::strtod(json.c_str() + at + key.size() + 4, &end), value) << key;
    EXPECT_TRUE(*end == ',' || *end == '\n') << key;
  }
  EXPECT_NE(json.find("\"sweep_mm\": 50\n    }\n  ]"), std::string::npos) << json;

  WingResults massless = computeWing({testing::kTwoPanelWing.panels, 30, 0}).results.value();
  massless.aspectRatio = std::numeric_limits<double>::infinity();
  const std::string nulls = reportJson(massless, {{"neutral_point_mm", std::nan("")}});
  for (const std::string key :
       {"mass_g", "wing_loading_g_dm2", "aspect_ratio", "neutral_point_mm"}) {
    EXPECT_NE(nulls.find("\"" + key + "\": null"), std::string::npos) << key << " in\n" << nulls;
  }
}

}  // namespace
}  // namespace tavelor::wing

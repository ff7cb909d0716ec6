#include "wing/report_json.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace tavelor::wing {
namespace {

WingResults computed(const WingInputs& inputs) {
  const WingOutcome outcome = computeWing(inputs);
  EXPECT_TRUE(outcome.results.has_value());
  return outcome.results.value_or(WingResults{});
}

// The number after the first "key": in the report; nullopt for null or no such key.
std::optional<double> valueOf(const std::string& json, const std::string& key) {
  const std::string quoted = "\"" + key + "\": ";
  const auto at = json.find(quoted);
  if (at == std::string::npos) return std::nullopt;
  const char* first = json.data() + at + quoted.size();
  double value = 0;
  const auto result = std::from_chars(first, json.data() + json.size(), value);
  if (result.ec != std::errc()) return std::nullopt;
  return value;
}

TEST(ReportJson, SpellsOutAWingWithoutMass) {
  WingResults wing;
  wing.panels = {{200, 200, 500, 0}};
  wing.span = 1000;
  wing.areaDm2 = 20;
  wing.aspectRatio = 5;
  wing.macLength = 0.1 + 0.2;  // not 0.3: written as it is, not rounded
  wing.macStation = 250;
  wing.centringPercent = 25;
  wing.centring = -1e-7;
  wing.wingLoading = 12;  // left over, but the wing has no mass
  EXPECT_EQ(reportJson(wing, {{"margin \"static\"\n\\", 0.5}}),
            "{\n"
            "  \"span_mm\": 1000,\n"
            "  \"area_dm2\": 20,\n"
            "  \"aspect_ratio\": 5,\n"
            "  \"mac_mm\": 0.30000000000000004,\n"
            "  \"mac_station_mm\": 250,\n"
            "  \"mac_leading_edge_mm\": 0,\n"
            "  \"centring_percent\": 25,\n"
            "  \"centring_mm\": -1e-07,\n"
            "  \"mass_g\": null,\n"
            "  \"wing_loading_g_dm2\": null,\n"
            "  \"panels\": [\n"
            "    {\n"
            "      \"root_chord_mm\": 200,\n"
            "      \"tip_chord_mm\": 200,\n"
            "      \"length_mm\": 500,\n"
            "      \"sweep_mm\": 0\n"
            "    }\n"
            "  ],\n"
            "  \"margin \\\"static\\\"\\u000a\\\\\": 0.5\n"
            "}\n");
}

TEST(ReportJson, KeepsEveryDigitOfTheWorkedWing) {
  const WingResults wing = computed({{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 1500});
  const std::string json = reportJson(wing, {{"neutral_point_mm", 1.0 / 3.0}});
  const struct {
    const char* key;
    double expected;
  } figures[] = {
      {"span_mm", 1400},
      {"area_dm2", wing.areaDm2},
      {"aspect_ratio", wing.aspectRatio},
      {"mac_mm", wing.macLength},
      {"mac_station_mm", wing.macStation},
      {"mac_leading_edge_mm", wing.macLeadingEdge},
      {"centring_mm", wing.centring},
      {"mass_g", 1500},
      {"wing_loading_g_dm2", wing.wingLoading},
      {"neutral_point_mm", 1.0 / 3.0},
  };
  for (const auto& figure : figures) {
    EXPECT_EQ(valueOf(json, figure.key), figure.expected) << figure.key << " in\n" << json;
  }
  // The panels in order: the second panel's figures come after the first's.
  const auto secondPanel = json.find("\"root_chord_mm\": 200");
  ASSERT_NE(secondPanel, std::string::npos) << json;
  EXPECT_GT(secondPanel, json.find("\"root_chord_mm\": 250"));
  EXPECT_EQ(valueOf(json.substr(secondPanel), "sweep_mm"), 50);
}

TEST(ReportJson, WritesNullForNumbersThatAreNotFinite) {
  WingResults wing = computed({{{200, 200, 500, 0}}, 25, 800});
  wing.aspectRatio = std::numeric_limits<double>::infinity();
  wing.panels[0].sweep = std::nan("");
  const std::string json = reportJson(wing, {{"extra", -std::numeric_limits<double>::infinity()}});
  for (const char* key : {"aspect_ratio", "sweep_mm", "extra"}) {
    EXPECT_NE(json.find(std::string("\"") + key + "\": null"), std::string::npos) << key;
  }
  EXPECT_EQ(json.find("inf"), std::string::npos) << json;
  EXPECT_EQ(json.find("nan"), std::string::npos) << json;
  EXPECT_EQ(valueOf(json, "mass_g"), 800);
}

}  // namespace
}  // namespace tavelor::wing

#include "ui/stability_inputs.h"

#include "base/decimal_text.h"

namespace tavelor::ui {

StabilityReading readStabilityInputs(const files::TailTexts& texts, std::string_view decimalMark) {
  const auto number = [&](std::size_t i) { return base::readNumber(texts[i], decimalMark); };
  const auto zeroWhenBlank = [&](std::size_t i) {
    return base::readNumberOr(texts[i], decimalMark, 0);
  };
  const auto typed = [&](std::size_t first, std::size_t from) {
    for (std::size_t i = first + from; i < first + kPanelTexts; ++i) {
      if (!base::isBlank(texts[i])) return true;
    }
    return false;
  };
  const bool used[2] = {typed(0, 0), typed(kPanelTexts, 1)};
  if (used[1] && !used[0]) return {std::nullopt, "warnPanel1"};
  wing::StabilityInputs in;
  for (std::size_t p = 0; p < 2 && used[p]; ++p) {
    const std::size_t first = p * kPanelTexts;
    const auto root = number(first), tip = number(first + 1), length = number(first + 2);
    const auto sweep = zeroWhenBlank(first + 3);
    if (!root || !tip || !length || !sweep) {
      return {std::nullopt, p == 0 ? "warnPanel1" : "warnPanel2"};
    }
    in.stabiliserPanels.push_back({*root, *tip, *length, *sweep});
  }
  if (!in.stabiliserPanels.empty()) {
    const auto arm = number(kTailArmText);
    if (!arm) return {std::nullopt, "warnArm"};
    const auto efficiency = number(kTailEfficiencyText);
    if (!efficiency) return {std::nullopt, "warnEfficiency"};
    const auto height = zeroWhenBlank(kHeightText);
    if (!height) return {std::nullopt, "warnHeight"};
    in.tailArm = *arm;
    in.tailEfficiency = *efficiency;
    in.stabiliserHeight = *height;
  }
  const auto margin = number(kStaticMarginText);
  if (!margin) return {std::nullopt, "warnMargin"};
  in.staticMarginPercent = *margin;
  return {in, nullptr};
}

const char* stabilityFaultKey(wing::StabilityFault fault) {
  switch (fault) {
    case wing::StabilityFault::FirstPanel:
      return "warnPanel1";
    case wing::StabilityFault::SecondPanel:
      return "warnPanel2";
    case wing::StabilityFault::TailArm:
      return "warnArm";
    case wing::StabilityFault::TailEfficiency:
      return "warnEfficiency";
    case wing::StabilityFault::Height:
      return "warnHeight";
    case wing::StabilityFault::StaticMargin:
      break;
  }
  return "warnMargin";
}

std::vector<std::pair<std::string, double>> stabilityReportPairs(const wing::WingResults& wing,
                                                                 const files::TailTexts& tail,
                                                                 std::string_view decimalMark) {
  std::vector<std::pair<std::string, double>> pairs;
  if (const auto alone = wing::computeStability({}, wing).results) {
    pairs = {{"wing_aerodynamic_centre_percent", alone->wingAerodynamicCentrePercent},
             {"lift_slope_per_rad", alone->wingLiftSlope}};
  }
  const StabilityReading reading = readStabilityInputs(tail, decimalMark);
  if (!reading.inputs) return pairs;
  const wing::StabilityOutcome outcome = wing::computeStability(*reading.inputs, wing);
  if (!outcome.results) return pairs;
  const wing::StabilityResults& r = *outcome.results;
  pairs.insert(pairs.end(), {{"tail_volume", r.tailVolume},
                             {"neutral_point_percent", r.neutralPointPercent},
                             {"neutral_point_mm", r.neutralPoint},
                             {"cg_for_margin_percent", r.centringPercent},
                             {"cg_for_margin_mm", r.centring},
                             {"static_margin_percent", r.currentMarginPercent},
                             {"stabiliser_height_mm", reading.inputs->stabiliserHeight}});
  return pairs;
}

}  // namespace tavelor::ui

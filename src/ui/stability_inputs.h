#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "files/wing_file.h"
#include "wing/stability.h"
#include "wing/wing.h"

namespace tavelor::ui {

// The stability window's fields, in the tail record's order (files::TailTexts): the stabiliser's
// panel 1, then panel 2 (root chord, tip chord, length, sweep each), then the tail arm, the tail
// efficiency, the wanted static margin and the stabiliser's height above the wing.
enum class StabilityField {
  RootChord1,
  TipChord1,
  Length1,
  Sweep1,
  RootChord2,
  TipChord2,
  Length2,
  Sweep2,
  TailArm,
  TailEfficiency,
  StaticMargin,
  Height,
};
inline constexpr std::size_t kPanelTexts = 4;  // root chord, tip chord, length, sweep
inline constexpr std::size_t kTailArmText = static_cast<std::size_t>(StabilityField::TailArm);
inline constexpr std::size_t kTailEfficiencyText = kTailArmText + 1;
inline constexpr std::size_t kStaticMarginText = kTailArmText + 2;
inline constexpr std::size_t kHeightText = kTailArmText + 3;
static_assert(kHeightText + 1 == files::kTailFieldCount);

// The inputs, or the [Stability] key of the warning that names the first unusable field.
struct StabilityReading {
  std::optional<wing::StabilityInputs> inputs;
  const char* faultKey = nullptr;
};

// Panel 1 is used when any of its texts is typed; panel 2 when any but its root chord is (that
// one only follows panel 1's tip chord). An empty sweep or height is 0. The tail arm, efficiency
// and height are read only with a stabiliser; their range, like the margin's, is the
// calculation's to judge.
StabilityReading readStabilityInputs(const files::TailTexts& texts, std::string_view decimalMark);

// The [Stability] key of the warning for what the calculation refused.
const char* stabilityFaultKey(wing::StabilityFault fault);

// The stability figures a wing report adds: always the wing's own, wing_aerodynamic_centre_percent
// and lift_slope_per_rad (a flying wing's NP); then, when the tail's texts (empty without a tail
// record) give a result, tail_volume, neutral_point_percent, neutral_point_mm,
// cg_for_margin_percent, cg_for_margin_mm, static_margin_percent (the margin at the wing's own
// centring) and stabiliser_height_mm.
std::vector<std::pair<std::string, double>> stabilityReportPairs(const wing::WingResults& wing,
                                                                 const files::TailTexts& tail,
                                                                 std::string_view decimalMark);

}  // namespace tavelor::ui

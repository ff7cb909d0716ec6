#include "base/units.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace tavelor::base {
namespace {

// Each quantity both ways; inches of up to 4 decimals to millimetres exactly and back as typed,
// longer inches and ounces rounded to 6 decimals; what is no number or blank passes untouched.
TEST(Units, ConvertsFieldsAndFigures) {
  const std::tuple<Quantity, std::string, std::string, std::string> fields[] = {
      // quantity, typed in Imperial, stored, shown again
      {Quantity::Length, "1", "25.4", "1"},
      {Quantity::Length, "7,8741", "200.00214", "7,8741"},
      {Quantity::Length, "-0.0001", "-0.00254", "-0,0001"},
      {Quantity::Length, "12.3456", "313.57824", "12,3456"},
      {Quantity::Length, "0.00001", "0.000254", "0"},
      {Quantity::Length, "1234567890.1234", "31358024409.13436", "1234567890,1234"},
      {Quantity::Length, "0.12346", "3.135884", "0,1235"},
      {Quantity::Mass, "16", "453.59237", "16"},
      {Quantity::Mass, "1.0001", "28.352358", "1,0001"},
      {Quantity::Length, " ", " ", " "},
      {Quantity::Length, "12a", "12a", "12a"}};
  for (const auto& [quantity, typed, stored, shown] : fields) {
    EXPECT_EQ(metricFieldText(quantity, typed, ","), stored) << typed;
    EXPECT_EQ(imperialFieldText(quantity, stored, ","), shown) << stored;
  }
  EXPECT_EQ(imperialFieldText(Quantity::Length, "200", "."), "7.874");

  const std::tuple<Quantity, double, double, const char*> figures[] = {
      {Quantity::Length, 254, 10, "in"},
      {Quantity::Area, 6.4516, 100, "in\u00b2"},
      {Quantity::Mass, 28.349523125, 1, "oz"},
      {Quantity::Loading, 28.349523125 / 9.290304, 1, "oz/ft\u00b2"},
      {Quantity::CubeLoading, 1, 0.998847369218314, "oz/ft\u00b3"}};
  for (const auto& [quantity, metric, imperial, symbol] : figures) {
    EXPECT_NEAR(shownValue(quantity, metric, Units::Imperial), imperial, 1e-9 * imperial);
    EXPECT_EQ(shownValue(quantity, metric, Units::Metric), metric);
    EXPECT_STREQ(unitSymbol(quantity, Units::Imperial), symbol);
  }
}

}  // namespace
}  // namespace tavelor::base

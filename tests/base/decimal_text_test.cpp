#include "base/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tavelor::base {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Each text must read the same with either locale mark, exactly as the nearest double (where
// digit-by-digit accumulation goes wrong), with no overflow report.
TEST(ToNumber, ReadsTheSameWithEitherLocaleMark) {
  // clang-format off
  const std::vector<std::pair<std::string, double>> cases = {
      {"", 0}, {"-", 0}, {"+", 0}, {".", 0}, {"abc", 0}, {"12,5", 12.5}, {"12.5", 12.5},
      {",5", 0.5}, {"-3,5", -3.5}, {"+7", 7}, {"1,234.5", 1.234}, {"1 234", 1}, {"12mm", 12},
      {"12 mm", 12}, {"3-2", 3}, {"--5", 0}, {"5-", 5}, {"1.2.3", 1.2}, {"5e3", 5}, {"-0,0", 0},
      {"0,3", 0.3}, {"9007199254740993", 9007199254740992.0}, {std::string(400, '9'), kInf},
      {"-" + std::string(400, '9'), -kInf}};
  // clang-format on
  for (const auto& [text, value] : cases) {
    for (const char* mark : {".", ","}) {
      const double read = toNumber(text, mark);
      EXPECT_EQ(read, value) << text << " mark " << mark;
      EXPECT_FALSE(std::signbit(read) && read == 0) << "negative zero: " << text;
    }
  }
  EXPECT_EQ(toNumber("12\u066b5", "\u066b"), 12.5);  // a multi-byte locale mark
  EXPECT_EQ(toNumber("12\u066b5", "."), 12);
}

// One blank only; halves are rounded on the 15-digit decimal form, away from zero.
TEST(FormatResult, WritesThePatternRoundingHalvesAwayFromZero) {
  const std::vector<std::tuple<double, const char*, const char*>> cases = {
      {0, ".", " 0.00"},
      {20, ".", " 20.00"},
      {1000, ",", "1 000,00"},
      {1234567.891, ",", "1234 567,89"},
      {2.675, ".", " 2.68"},
      {0.004999, ".", " 0.00"},
      {999.995, ".", "1 000.00"},
      {-1234.5, ".", "-1 234.50"},
      {-2.675, ".", " -2.68"},
      {-0.001, ".", " 0.00"},
      {123456789012345.678, ".", "123456789012 346.00"},
      {kInf, ".", ""},
      {std::numeric_limits<double>::quiet_NaN(), ".", ""}};
  for (const auto& [value, mark, text] : cases) EXPECT_EQ(formatResult(value, mark), text) << value;
}

}  // namespace
}  // namespace tavelor::base

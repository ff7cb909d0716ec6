#include "base/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

namespace tavelor::base {
namespace {

// Either mark reads whatever the locale's is; the reading stops at what cannot belong to a number
// and never gives a negative zero; what overflows reads as infinite. That the figure is the nearest
// double is the fuzzer's to show.
TEST(ToNumber, ReadsTheSameWithEitherLocaleMark) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::string nines(400, '9');
  const std::pair<std::string, double> cases[] = {
      {"", 0},    {"12,5", 12.5}, {"12.5", 12.5}, {"1,234.5", 1.234}, {"1 234", 1},
      {"--5", 0}, {"5e3", 5},     {"-0,0", 0},    {nines, inf},       {"-" + nines, -inf}};
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

// Halves are rounded on the 15-digit decimal form, away from zero; no negative zero.
TEST(FormatResult, RoundsHalvesAwayFromZero) {
  const std::pair<double, const char*> cases[] = {
      {2.675, " 2.68"},    {-2.675, " -2.68"}, {999.995, "1 000.00"},
      {0.004999, " 0.00"}, {-0.001, " 0.00"},  {123456789012345.678, "123456789012 346.00"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(formatResult(value, "."), text) << value;
}

}  // namespace
}  // namespace tavelor::base

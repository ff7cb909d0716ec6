#include "base/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace tavelor::base {
namespace {

// Either mark reads whatever the locale's is; a number is the whole text but its blanks, so
// anything else in it makes it none; no negative zero; what overflows is none, what underflows 0.
// That the figure is the nearest double is the fuzzer's to show.
TEST(ReadNumber, ReadsTheWholeTextWithEitherLocaleMark) {
  const std::string nines(400, '9');
  const std::optional<double> none;
  const std::pair<std::string, std::optional<double>> cases[] = {
      {"", none},          {" \t", none},     {" 12,5 ", 12.5},
      {"12.5", 12.5},      {"-.5", -0.5},     {"-0,0", 0},
      {"1,234.5", none},   {"1 234", none},   {"--5", none},
      {"+5", none},        {"5-", none},      {"-", none},
      {"5e3", none},       {"12abc", none},   {nines, none},
      {"-" + nines, none}, {"0." + nines, 1}, {"0." + std::string(400, '0') + "1", 0}};
  for (const auto& [text, value] : cases) {
    for (const char* mark : {".", ","}) {
      const auto read = readNumber(text, mark);
      EXPECT_EQ(read, value) << text << " mark " << mark;
      EXPECT_FALSE(read && std::signbit(*read) && *read == 0) << "negative zero: " << text;
    }
  }
  EXPECT_EQ(readNumber("12\u066b5", "\u066b"), 12.5);  // a multi-byte locale mark
  EXPECT_EQ(readNumber("12\u066b5", "."), std::nullopt);
}

// Halves are rounded on the 15-digit decimal form, away from zero; no negative zero. That the
// plain layout is the same figure without blanks is the fuzzer's to show.
TEST(FormatResult, RoundsHalvesAwayFromZero) {
  const std::pair<double, std::string> cases[] = {
      {2.675, " 2.68"},    {-2.675, " -2.68"}, {999.995, "1 000.00"},
      {0.004999, " 0.00"}, {-0.001, " 0.00"},  {123456789012345.678, "123456789012 346.00"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(formatResult(value, "."), text) << value;
}

}  // namespace
}  // namespace tavelor::base

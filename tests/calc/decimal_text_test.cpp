#include "calc/decimal_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace tavelor::calc {
namespace {

struct NumberCase {
  const char* name;
  std::string text;
  double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.name; }

class ToNumberTest : public ::testing::TestWithParam<NumberCase> {};

// Every case must read the same with either locale decimal mark, and exactly: the nearest double.
TEST_P(ToNumberTest, ReadsTheSameWithEitherLocaleMark) {
  const auto& c = GetParam();
  for (const char* mark : {".", ","}) {
    const double value = toNumber(c.text, mark);
    EXPECT_EQ(value, c.value) << "mark " << mark;
    EXPECT_FALSE(std::signbit(value) && value == 0) << "negative zero, mark " << mark;
  }
}

const std::string kManyNines(400, '9');
const std::string kTinyFraction = "0." + std::string(400, '0') + "1";

INSTANTIATE_TEST_SUITE_P(
    Table, ToNumberTest,
    ::testing::Values(
        NumberCase{"Empty", "", 0}, NumberCase{"LoneMinus", "-", 0}, NumberCase{"LonePlus", "+", 0},
        NumberCase{"LonePoint", ".", 0}, NumberCase{"LoneComma", ",", 0},
        NumberCase{"LettersOnly", "abc", 0}, NumberCase{"CommaMark", "12,5", 12.5},
        NumberCase{"PointMark", "12.5", 12.5}, NumberCase{"LeadingComma", ",5", 0.5},
        NumberCase{"NegativeComma", "-3,5", -3.5}, NumberCase{"ExplicitPlus", "+7", 7},
        NumberCase{"CommaIsNeverThousands", "1,234.5", 1.234},
        NumberCase{"SpaceEndsTheWalk", "1 234", 1}, NumberCase{"UnitGlued", "12mm", 12},
        NumberCase{"UnitAfterSpace", "12 mm", 12}, NumberCase{"InnerMinusEnds", "3-2", 3},
        NumberCase{"TwoMinusSigns", "--5", 0}, NumberCase{"PlusMinus", "+-5", 0},
        NumberCase{"TrailingMinus", "5-", 5}, NumberCase{"SecondPointEnds", "1.2.3", 1.2},
        NumberCase{"NoExponent", "5e3", 5}, NumberCase{"NegativeFractionOnly", "-.5", -0.5},
        NumberCase{"TrailingPoint", "5.", 5}, NumberCase{"LeadingZeros", "007", 7},
        NumberCase{"MinusZeroIsZero", "-0,0", 0},
        // Correct rounding, where digit-by-digit accumulation goes wrong.
        NumberCase{"PointOne", "0.1", 0.1}, NumberCase{"PointThree", "0,3", 0.3},
        NumberCase{"TieToEven", "9007199254740993", 9007199254740992.0},
        NumberCase{"ThirtyDigits", "123456789012345678901234567890",
                   123456789012345678901234567890.0},
        NumberCase{"LongFraction", "0.1000000000000000055511151231257827", 0.1},
        NumberCase{"BeyondLargestDouble", kManyNines, std::numeric_limits<double>::infinity()},
        NumberCase{"NegativeBeyondLargest", "-" + kManyNines,
                   -std::numeric_limits<double>::infinity()},
        NumberCase{"BelowSmallestDouble", kTinyFraction, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToNumber, AcceptsAMultiByteLocaleMark) {
  EXPECT_EQ(toNumber("12\u066b5", "\u066b"), 12.5);
  EXPECT_EQ(toNumber("12\u066b5", "."), 12);  // not a mark unless it is the locale's
}

struct FormatCase {
  const char* name;
  double value;
  const char* mark;
  const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class FormatResultTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultTest, WritesThePattern) {
  const auto& c = GetParam();
  EXPECT_EQ(formatResult(c.value, c.mark), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatResultTest,
    ::testing::Values(
        FormatCase{"Zero", 0, ".", " 0.00"}, FormatCase{"Half", 0.5, ".", " 0.50"},
        FormatCase{"Twenty", 20, ".", " 20.00"}, FormatCase{"Thousand", 1000, ".", "1 000.00"},
        FormatCase{"ThousandComma", 1000, ",", "1 000,00"},
        FormatCase{"OnlyOneBlank", 1234567, ".", "1234 567.00"},
        FormatCase{"OnlyOneBlankFraction", 1234567.891, ",", "1234 567,89"},
        // Halves on the 15-digit decimal form, though the binary value lies below the half.
        FormatCase{"HalfUp", 2.675, ".", " 2.68"}, FormatCase{"HalfUpSmall", 1.005, ".", " 1.01"},
        FormatCase{"HalfUpMid", 5.555, ".", " 5.56"}, FormatCase{"HalfExact", 0.125, ".", " 0.13"},
        FormatCase{"BelowHalf", 0.004999, ".", " 0.00"},
        FormatCase{"SmallHalf", 0.005, ".", " 0.01"},
        FormatCase{"CarryIntoThousands", 999.995, ".", "1 000.00"},
        FormatCase{"NoCarry", 999.994, ".", " 999.99"},
        FormatCase{"MinusTwenty", -20, ".", " -20.00"},
        FormatCase{"MinusThousands", -1234.5, ".", "-1 234.50"},
        FormatCase{"MinusThousandsComma", -1234.5, ",", "-1 234,50"},
        FormatCase{"MinusHalfAwayFromZero", -2.675, ".", " -2.68"},
        FormatCase{"MinusSmallHalf", -0.005, ".", " -0.01"},
        FormatCase{"MinusRoundsToZero", -0.001, ".", " 0.00"},
        FormatCase{"FifteenDigitsOnly", 123456789012345.678, ".", "123456789012 346.00"},
        FormatCase{"Large", 1e20, ".", "100000000000000000 000.00"},
        FormatCase{"Tiny", 1e-20, ".", " 0.00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatResult, NeverWritesNonFiniteValues) {
  EXPECT_EQ(formatResult(std::numeric_limits<double>::infinity(), "."), "");
  EXPECT_EQ(formatResult(std::numeric_limits<double>::quiet_NaN(), "."), "");
}

}  // namespace
}  // namespace tavelor::calc

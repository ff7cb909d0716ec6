#include "i18n/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelor::i18n {
namespace {

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    all += static_cast<char>(byte);
    const std::string original(1, static_cast<char>(byte));
    const std::string text = decodeCp1252(original);
    EXPECT_EQ(encodeCp1252(text), original) << "byte " << byte;
    EXPECT_TRUE(fitsCp1252(text)) << "byte " << byte;
  }
  EXPECT_EQ(encodeCp1252(decodeCp1252(all)), all);
}

struct DecodeCase {
  unsigned char byte;
  std::string utf8;
};

class Cp1252Decode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Cp1252Decode, GivesTheTableCharacter) {
  const auto& c = GetParam();
  EXPECT_EQ(decodeCp1252(std::string(1, static_cast<char>(c.byte))), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(Table, Cp1252Decode,
                         ::testing::Values(DecodeCase{0x00, std::string("\0", 1)},
                                           DecodeCase{0x41, "A"}, DecodeCase{0x7F, "\x7F"},
                                           DecodeCase{0x80, "\u20AC"}, DecodeCase{0x81, "\xC2\x81"},
                                           DecodeCase{0x8A, "\u0160"}, DecodeCase{0x8D, "\xC2\x8D"},
                                           DecodeCase{0x8F, "\xC2\x8F"},
                                           DecodeCase{0x90, "\xC2\x90"}, DecodeCase{0x92, "\u2019"},
                                           DecodeCase{0x99, "\u2122"}, DecodeCase{0x9D, "\xC2\x9D"},
                                           DecodeCase{0x9F, "\u0178"}, DecodeCase{0xA0, "\u00A0"},
                                           DecodeCase{0xB2, "\u00B2"}, DecodeCase{0xE7, "\u00E7"},
                                           DecodeCase{0xE9, "\u00E9"}, DecodeCase{0xFF, "\u00FF"}));

struct EncodeCase {
  const char* name;
  std::string utf8;
  std::string bytes;
};

class Cp1252Encode : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(Cp1252Encode, GivesTheBytes) {
  const auto& c = GetParam();
  EXPECT_EQ(encodeCp1252(c.utf8), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cp1252Encode,
    ::testing::Values(
        EncodeCase{"ascii", "Tavelor 1/10", "Tavelor 1/10"},
        EncodeCase{"latin", "Fran\u00E7ais Trap\u00E8ze dm\u00B2",
                   "Fran\xE7"
                   "ais Trap\xE8"
                   "ze dm\xB2"},
        EncodeCase{"euroAndQuotes", "\u20AC \u201Cx\u201D \u2026", "\x80 \x93x\x94 \x85"},
        EncodeCase{"greekHasNoByte", "\u03A9", "?"},
        EncodeCase{"emojiHasNoByte", "a\U0001F600b", "a?b"},
        EncodeCase{"c1WithoutByte", "\xC2\x80", "?"},  // U+0080: 0x80 is the euro sign
        EncodeCase{"truncatedTwoByte", "\xC3", "?"},
        EncodeCase{"truncatedBeforeAscii",
                   "\xC3"
                   "A",
                   "?A"},
        EncodeCase{"truncatedThreeByte", "\xE2\x82", "??"},
        EncodeCase{"strayContinuation", "\x80x", "?x"},
        EncodeCase{"overlongSlash", "\xC0\xAF", "??"},
        EncodeCase{"overlongThreeByte", "\xE0\x80\xAF", "???"},
        EncodeCase{"surrogate", "\xED\xA0\x80", "???"},
        EncodeCase{"pastUnicode", "\xF4\x90\x80\x80", "????"},
        EncodeCase{"invalidLead", "\xFF\xFE", "??"},
        EncodeCase{"latin1ByteInsteadOfUtf8",
                   "Fran\xE7"
                   "ais",
                   "Fran?ais"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cp1252, FitsOnlyTextThatEncodesBackUnchanged) {
  EXPECT_TRUE(fitsCp1252("Fran\u00E7ais"));
  EXPECT_TRUE(fitsCp1252(""));
  EXPECT_FALSE(fitsCp1252("\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC"));
  EXPECT_FALSE(
      fitsCp1252("Fran\xE7"
                 "ais"));
  EXPECT_FALSE(fitsCp1252("?\u03A9"));
}

}  // namespace
}  // namespace tavelor::i18n

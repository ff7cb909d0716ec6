#include "base/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelor::base {
namespace {

struct Case {
  const char* name;
  std::string utf8, bytes;
  bool both;  // false: encoding only, the text has no byte of its own
};

class Cp1252Table : public ::testing::TestWithParam<Case> {};

TEST_P(Cp1252Table, MapsTheText) {
  const auto& c = GetParam();
  EXPECT_EQ(encodeCp1252(c.utf8), c.bytes);
  EXPECT_EQ(fitsCp1252(c.utf8), c.both);
  if (c.both) {
    EXPECT_EQ(decodeCp1252(c.bytes), c.utf8);
  }
}

// U+0080 has no byte: 0x80 is the euro sign. That all 256 bytes survive decoding and encoding
// is checked by the replay of fuzz/corpus/cp1252/every_byte.
INSTANTIATE_TEST_SUITE_P(
    Cases, Cp1252Table,
    ::testing::Values(Case{"latinAndWindowsRange",
                           "\u00E7\u00B2\u00FF\u00A0\u20AC\u0160\u2019\u2122\u0178",
                           "\xE7\xB2\xFF\xA0\x80\x8A\x92\x99\x9F", true},
                      Case{"unassignedBytesAsC1", "\xC2\x81\xC2\x8D\xC2\x9D", "\x81\x8D\x9D", true},
                      Case{"noByteOfItsOwn", "\xC2\x80 \u03A9a\U0001F600", "? ?a?", false},
                      Case{"brokenUtf8", "\xE2\x82 \xC0\xAF\xED\xA0\x80", "?? ?????", false},
                      Case{"latin1InsteadOfUtf8", "Fran\xE7 ", "Fran? ", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelor::base

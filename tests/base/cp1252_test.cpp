#include "base/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelor::base {
namespace {

// That every byte survives decoding and encoding is the fuzz corpus's to show; this is the map.
TEST(Cp1252, MapsTheWindowsRangeAndMarksWhatHasNoByte) {
  const std::string text = "\u00E7\u00B2\u00FF\u00A0\u20AC\u0160\u2019\u2122\u0178";
  const std::string bytes = "\xE7\xB2\xFF\xA0\x80\x8A\x92\x99\x9F";
  EXPECT_EQ(encodeCp1252(text), bytes);
  EXPECT_EQ(decodeCp1252(bytes), text);
  EXPECT_EQ(decodeCp1252("\x81\x8D\x9D"), "\xC2\x81\xC2\x8D\xC2\x9D");  // unassigned: C1 controls
  // U+0080 has no byte (0x80 is the euro sign), nor has broken UTF-8.
  EXPECT_EQ(encodeCp1252("\xC2\x80 \u03A9a\U0001F600 \xE2\x82"), "? ?a? ??");
  EXPECT_FALSE(fitsCp1252("\xC2\x80"));
}

}  // namespace
}  // namespace tavelor::base

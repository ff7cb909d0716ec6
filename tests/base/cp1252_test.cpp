#include "base/cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelor::base {
namespace {

// That every byte survives decoding and encoding is the fuzz corpus's to show; this is the map.
TEST(Cp1252, MapsTheText) {
  const struct {
    std::string utf8, bytes;
    bool fits;  // false: encoding only, the text has no byte of its own
  } cases[] = {
      {"\u00E7\u00B2\u00FF\u00A0\u20AC\u0160\u2019\u2122\u0178",
       "\xE7\xB2\xFF\xA0\x80\x8A\x92\x99\x9F", true},
      {"\xC2\x81\xC2\x8D\xC2\x9D", "\x81\x8D\x9D", true},    // unassigned bytes as C1 controls
      {"\xC2\x80 \u03A9a\U0001F600", "? ?a?", false},        // U+0080 has no byte: 0x80 is the euro
      {"\xE2\x82 \xC0\xAF\xED\xA0\x80", "?? ?????", false},  // broken UTF-8
  };
  for (const auto& c : cases) {
    EXPECT_EQ(encodeCp1252(c.utf8), c.bytes);
    EXPECT_EQ(fitsCp1252(c.utf8), c.fits) << c.bytes;
    if (c.fits) {
      EXPECT_EQ(decodeCp1252(c.bytes), c.utf8);
    }
  }
}

}  // namespace
}  // namespace tavelor::base

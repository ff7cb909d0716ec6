#include "files/wing_file.h"

#include <gtest/gtest.h>

namespace tavelor::files {
namespace {

// Texts go to disk as Windows-1252 with CR LF and come back as they were, a line break inside one
// turned to blanks. The tail follows the wing only when a stabiliser was typed, and comes back
// whole; cut short, what was read stays and the error follows.
TEST(WingFile, WingAndTailRoundTripThroughTheBytes) {
  WingTexts wing{"250", "200", "400"};
  wing[21] = "1\u00e9\u20ac\r\n5";
  const TailTexts untouched{" ", "", "", "", "", "", "", "", "", "0,9", "10"};
  const TailTexts typed{"130", "90", "220", "15", "90", "", "", "", "620", "0,9", "10"};
  EXPECT_EQ(tailRecordBytes(untouched), "");
  const std::string bytes = wingFileBytes(wing);
  EXPECT_NE(bytes.find("\r\n1\xe9\x80  5\r\n"), std::string::npos);
  EXPECT_FALSE(readWingFileLines(bytes).tail);
  const std::string tail = tailRecordBytes(typed);
  EXPECT_EQ(tail,
            "Z2O-Tail ....\r\n130\r\n90\r\n220\r\n15\r\n90\r\n\r\n\r\n\r\n620\r\n0,9\r\n10\r\n");
  for (const std::size_t cut : {0u, 4u}) {
    const WingFileLines read = readWingFileLines(bytes + tail.substr(0, tail.size() - cut));
    ASSERT_EQ(read.lines.size(), kFieldCount);
    EXPECT_EQ(read.lines[21].text, "1\u00e9\u20ac  5");
    EXPECT_EQ(read.error.has_value(), cut > 0);
    EXPECT_EQ(read.tail.value_or(TailTexts{})[8], "620");
    EXPECT_EQ(read.tail == typed, cut == 0);
  }
}

}  // namespace
}  // namespace tavelor::files

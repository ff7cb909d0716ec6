#include "files/wing_file.h"

#include <gtest/gtest.h>

namespace tavelor::files {
namespace {

// Texts go to disk as Windows-1252 with CR LF, and come back as they were; a line break inside
// a text cannot split the record.
TEST(WingFile, TextsRoundTripThroughTheBytes) {
  WingTexts texts;
  texts[0] = "250";
  texts[20] = "30";
  texts[21] = "1\u00e9\u20ac\r\n5";
  const std::string bytes = wingFileBytes(texts);
  EXPECT_NE(bytes.find("\r\n1\xe9\x80  5\r\n"), std::string::npos);
  const WingFileLines read = readWingFileLines(bytes);
  ASSERT_FALSE(read.error);
  ASSERT_EQ(read.lines.size(), kFieldCount);
  EXPECT_EQ(read.lines[0].text, "250");
  EXPECT_EQ(read.lines[21].text, "1\u00e9\u20ac  5");
}

}  // namespace
}  // namespace tavelor::files

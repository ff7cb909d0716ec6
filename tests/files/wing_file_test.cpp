#include "files/wing_file.h"

#include <gtest/gtest.h>

namespace tavelor::files {
namespace {

// Texts go to disk as Windows-1252 with CR LF and come back as they were, a line break inside one
// turned to blanks. The tail follows the wing only when a stabiliser was typed, and comes back
// whole; a record from before the height (11 lines, at the end or before a wing record) leaves
// the height empty; cut short, what was read stays and the error follows.
TEST(WingFile, WingAndTailRoundTripThroughTheBytes) {
  WingTexts wing{"250", "200", "400"};
  wing[21] = "1\u00e9\u20ac\r\n5";
  const TailTexts untouched{" ", "", "", "", "", "", "", "", "", "0,9", "10", "-40"};
  const TailTexts typed{"130", "90", "220", "15", "90", "", "", "", "620", "0,9", "10", "-40"};
  TailTexts old = typed;
  old[11] = "";
  EXPECT_EQ(tailRecordBytes(untouched), "");
  const std::string bytes = wingFileBytes(wing);
  EXPECT_NE(bytes.find("\r\n1\xe9\x80  5\r\n"), std::string::npos);
  EXPECT_FALSE(readWingFileLines(bytes).tail);
  const std::string tail = tailRecordBytes(typed);
  const std::string oldTail = tail.substr(0, tail.size() - 5);
  EXPECT_EQ(tail,
            "Z2O-Tail ....\r\n130\r\n90\r\n220\r\n15\r\n90\r\n\r\n\r\n\r\n620\r\n0,9\r\n10\r\n"
            "-40\r\n");
  const struct {
    std::string after;
    std::size_t lines;
    std::optional<TailTexts> tail;
  } cases[] = {
      {tail, kFieldCount, typed},
      {oldTail + "\r\n", kFieldCount, old},
      {oldTail + bytes, 2 * kFieldCount, old},
      {tail.substr(0, tail.size() - 9), kFieldCount, std::nullopt},
  };
  for (const auto& c : cases) {
    const WingFileLines read = readWingFileLines(bytes + c.after);
    ASSERT_EQ(read.lines.size(), c.lines);
    EXPECT_EQ(read.lines[21].text, "1\u00e9\u20ac  5");
    EXPECT_EQ(read.error.has_value(), !c.tail);
    EXPECT_EQ(read.tail.value_or(TailTexts{})[8], "620");
    if (c.tail) {
      EXPECT_EQ(read.tail, c.tail);
    }
  }
}

}  // namespace
}  // namespace tavelor::files

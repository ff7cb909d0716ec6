#include "files/wing_file.h"

#include <gtest/gtest.h>

namespace tavelor::files {
namespace {

// Texts go to disk as Windows-1252 with CR LF and come back as they were, a line break inside one
// turned to blanks; what was read writes back byte for byte, a blank height too. The tail follows
// the wing only when a stabiliser was typed, and comes back whole; a record from before the height
// (11 lines, at the end or before a wing record) leaves the height empty; cut short, what was read
// stays and the error follows.
TEST(WingFile, DocumentRoundTripsThroughTheBytes) {
  WingDocument wing{{"250", "200", "400"}, {}, {}, {}};
  wing.texts[21] = "1\u00e9\u20ac\r\n5";
  const TailTexts typed{"130", "90", "220", "15", "90", "", "", "", "620", "0,9", "10", "-40"};
  TailTexts old = typed, blankHeight = typed;
  old[11] = "";
  blankHeight[11] = " ";
  const std::string bytes = wingDocumentBytes(wing);
  EXPECT_NE(bytes.find("\r\n1\xe9\x80  5\r\n"), std::string::npos);
  wing.tail = {" ", "", "", "", "", "", "", "", "", "0,9", "10", "-40"};  // no stabiliser
  EXPECT_EQ(wingDocumentBytes(wing), bytes);
  wing.tail = typed;
  const std::string tail = wingDocumentBytes(wing).substr(bytes.size());
  const std::string oldTail = tail.substr(0, tail.size() - 5);
  EXPECT_EQ(tail,
            "Z2O-Tail ....\r\n130\r\n90\r\n220\r\n15\r\n90\r\n\r\n\r\n\r\n620\r\n0,9\r\n10\r\n"
            "-40\r\n");
  const struct {
    std::string after;
    std::optional<TailTexts> tail;  // nothing: cut short
    bool again = false;             // the wing's record twice
  } cases[] = {
      {"", TailTexts{}},
      {tail, typed},
      {oldTail + "\r\n", old},
      {oldTail + " \r\n", blankHeight},
      {oldTail + bytes, old, true},
      {tail.substr(0, tail.size() - 9), std::nullopt},
  };
  for (const auto& c : cases) {
    const WingFileReading read = wingDocumentOf(bytes + c.after, "w");
    ASSERT_TRUE(read.document);
    EXPECT_EQ(read.document->texts[21], "1\u00e9\u20ac  5");
    EXPECT_EQ(read.error.has_value(), !c.tail);
    EXPECT_EQ(read.document->tail[8], c.after.empty() ? "" : "620");
    if (!c.tail) continue;
    EXPECT_EQ(read.document->tail, c.tail);
    if (!c.again) {
      EXPECT_EQ(wingDocumentBytes(*read.document), bytes + c.after);
    }
  }
  // The ribs come last, as many lines as they have, and come back whole.
  wing.ribs = {"60", "", "NACA 2412"};
  const std::string withRibs = wingDocumentBytes(wing);
  EXPECT_EQ(withRibs.substr(bytes.size() + tail.size()),
            "Z2O-Ribs ....\r\n60\r\n\r\nNACA 2412\r\n");
  EXPECT_EQ(wingDocumentOf(withRibs + "\r\n \r\n").document->ribs, wing.ribs);
  EXPECT_EQ(wingDocumentOf(withRibs + bytes).document->ribs, wing.ribs);
}

}  // namespace
}  // namespace tavelor::files

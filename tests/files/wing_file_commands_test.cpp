#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "files/wing_file_format.h"
#include "support/file_size_limit.h"
#include "wing_file_test_support.h"

namespace tavelor::files::test {
namespace {

using calc::Field;

// Panel 2's root chord follows panel 1's tip, panel 3's root chord panel 2's tip.
// clang-format off
const std::vector<std::string> kTwoPanelLines = {
    "Z2O-Please don't Delete ....", "250", "200", "400", "0", "200", "100", "300", "50", "100",
    "", "", "", "", "", "", "", "", "", "", "", "30", "1500"};
// A short file stops in panel 2's length: what was read stays, the tip-to-root copy included.
const std::vector<std::string> kShortTexts = {
    "250", "200", "400", "0", "200", "100", "", "", "100", "", "", "", "", "", "", "", "", "", "",
    "", "30", ""};
// clang-format on

std::vector<std::string> fieldTexts(const calc::InputWindow& window) {
  std::vector<std::string> texts;
  for (const auto& slot : kFileFields) texts.push_back(window.fieldText(slot.field, slot.index));
  return texts;
}

std::vector<std::string> withLine(std::vector<std::string> lines, std::size_t index,
                                  const std::string& text) {
  lines.at(index) = text;
  return lines;
}

std::string fileError(int number, const std::string& description) {
  return "Error # " + std::to_string(number) + " in Tavelor\r" + description;
}

class WingFileCommands : public WingFileFixture, public ::testing::Test {
 protected:
  void saveTypedWing(const std::string& path) {
    window.saveAnswers.push_back(path);
    mnusave_Click(files, state, window, language);
  }
  bool openFile(const std::string& path) {
    window.openAnswers.push_back(path);
    return mnuopen_Click(files, state, window, language);
  }
};

TEST_F(WingFileCommands, SaveWritesTheFieldTextsAsTheyStandAndTheyOpenBack) {
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  const std::string path = folder.file("delta.txt");
  saveTypedWing(path);

  EXPECT_EQ(folder.read("delta.txt"), joinLines(kTwoPanelLines));
  EXPECT_EQ(window.messages.at(0).text, "Saved as:" + path);
  EXPECT_EQ(window.windowCaption, "Tavelor - Wing data : delta.txt");

  WingFileFixture fresh;
  fresh.window.openAnswers.push_back(path);
  EXPECT_TRUE(mnuopen_Click(fresh.files, fresh.state, fresh.window, fresh.language));
  EXPECT_EQ(fieldTexts(fresh.window), fieldTexts(window));
  EXPECT_EQ(fresh.window.results, window.results);
  EXPECT_TRUE(fresh.window.messages.empty());

  // Fields edited after the calculation are saved as they stand: Windows-1252 on disk, line
  // breaks as blanks, and back as UTF-8.
  window.setFieldText(Field::masse, 0, "15\r\n00 g \u00e9t\u00e9 \u20ac\n");
  saveTypedWing(path);

  EXPECT_EQ(folder.read("delta.txt"),
            joinLines(withLine(kTwoPanelLines, 22, "15  00 g \xe9t\xe9 \x80 ")));
  EXPECT_TRUE(openFile(path));
  EXPECT_EQ(window.fieldText(Field::masse, 0), "15  00 g \u00e9t\u00e9 \u20ac ");
}

TEST_F(WingFileCommands, SaveIsRefusedAfterTheClearButton) {
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  calc::clearInputs(state, window, language);
  saveTypedWing(folder.file("refused.txt"));

  EXPECT_EQ(window.messages.at(0).text, "Calculate first");
  EXPECT_EQ(window.messages.at(0).title, "Save wing");
  EXPECT_FALSE(std::filesystem::exists(folder.file("refused.txt")));
}

TEST_F(WingFileCommands, FailedWriteKeepsTheOldFileAndReportsTheSystemError) {
  const std::string old = joinLines({"Z2O-Please don't Delete ....", "old"});
  folder.write("wing.txt", old);
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  {
    testing::FileSizeLimit limit(old.size());
    saveTypedWing(folder.file("wing.txt"));
  }

  EXPECT_EQ(folder.read("wing.txt"), old);
  EXPECT_THAT(folder.names(), ::testing::UnorderedElementsAre("test.lng", "wing.txt"));
  EXPECT_EQ(window.messages.at(0).text, fileError(EFBIG, std::strerror(EFBIG)));
  EXPECT_EQ(window.messages.at(0).title, "Tavelor");
  EXPECT_EQ(window.messages.at(0).icon, base::Icon::Information);
  EXPECT_EQ(window.windowCaption, "Tavelor");
}

// What the window shows after opening a file of the given bytes.
struct OpenCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> texts;  // the 22 fields afterwards
  std::string message;             // none: the results stand
};

// One record whose first line is padded to make the file size bytes long.
std::string fileOfSize(std::size_t size) {
  const std::string rest = joinLines({kTwoPanelLines.begin() + 1, kTwoPanelLines.end()});
  return "Z2O" + std::string(size - 5 - rest.size(), '.') + "\r\n" + rest;
}

std::vector<OpenCase> openCases() {
  const std::vector<std::string> texts(kTwoPanelLines.begin() + 1, kTwoPanelLines.end());
  const auto cleared = withLine(std::vector<std::string>(22), 20, "30");
  const std::string pastEnd = fileError(62, "Input past end of file");
  return {
      {"LfOnly", joinLines(kTwoPanelLines, "\n"), texts, ""},
      // Without the exact mark the mass is not loaded.
      {"LowerCaseMark", joinLines(withLine(kTwoPanelLines, 0, "z2o-Please")),
       withLine(texts, 21, ""), ""},
      {"ExtraEmptyLine", joinLines(kTwoPanelLines) + "\r\n", texts, pastEnd},
      {"ShortFile", joinLines({kTwoPanelLines.begin(), kTwoPanelLines.begin() + 7}), kShortTexts,
       pastEnd},
      {"Empty", "", cleared, "Panel data invalid"},
      {"Exactly64KiB", fileOfSize(65536), texts, ""},
      {"OneByteMore", fileOfSize(65537), cleared,
       fileError(EFBIG, "The file is too large to be a wing data file")},
  };
}

class OpenFile : public WingFileCommands, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenFile, FillsTheFieldsAsIfTyped) {
  const auto& c = GetParam();
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  folder.write("wing.txt", c.bytes);

  EXPECT_EQ(openFile(folder.file("wing.txt")), c.message.empty());
  EXPECT_EQ(fieldTexts(window), c.texts);
  EXPECT_EQ(window.messages.empty() ? "" : window.messages.at(0).text, c.message);
  // A file error leaves the caption; a file that loads names itself even if it then fails.
  EXPECT_EQ(window.windowCaption,
            c.message.rfind("Error", 0) == 0 ? "Tavelor" : "Tavelor - Wing data : wing.txt");
  EXPECT_EQ(state.resultsValid, c.message.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, OpenFile, ::testing::ValuesIn(openCases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelor::files::test

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "files/file_commands.h"
#include "files/wing_file_format.h"
#include "support/file_size_limit.h"
#include "wing_file_test_support.h"

namespace tavelor::files::test {
namespace {

using calc::Field;
using calc::ResultLabel;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Panel 2's root chord follows panel 1's tip, panel 3's root chord panel 2's tip.
const std::vector<std::string> kTwoPanelLines = {"Z2O-Please don't Delete ....",
                                                 "250",
                                                 "200",
                                                 "400",
                                                 "0",
                                                 "200",
                                                 "100",
                                                 "300",
                                                 "50",
                                                 "100",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "",
                                                 "30",
                                                 "1500"};

std::vector<std::string> fieldTexts(const calc::InputWindow& window) {
  std::vector<std::string> texts;
  for (const auto& slot : kFileFields) texts.push_back(window.fieldText(slot.field, slot.index));
  return texts;
}

std::vector<std::string> expectedTexts(const std::vector<std::string>& fileLines) {
  return {fileLines.begin() + 1, fileLines.end()};
}

std::string fileError(int number, const std::string& description) {
  return "Error # " + std::to_string(number) + " in Tavelor\r" + description;
}

class WingFileCommands : public WingFileFixture, public ::testing::Test {
 protected:
  // Types the two-panel wing, calculates it and saves it to name.
  std::string saveTwoPanelWing(const std::string& name) {
    window.typeExampleWing();
    EXPECT_TRUE(calc::calculate(state, window, language));
    const std::string path = folder.file(name);
    window.saveAnswers.push_back(path);
    mnusave_Click(files, state, window, language);
    return path;
  }

  bool openFile(const std::string& path) {
    window.openAnswers.push_back(path);
    return mnuopen_Click(files, state, window, language);
  }
};

TEST_F(WingFileCommands, SaveWritesEveryFieldTextAsItStands) {
  const std::string path = saveTwoPanelWing("delta.txt");

  EXPECT_EQ(testing::readFile(path), joinLines(kTwoPanelLines));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, "Saved as:" + path);
  EXPECT_EQ(window.messages[0].title, "tv");
  EXPECT_EQ(window.messages[0].icon, i18n::Icon::None);
  EXPECT_EQ(window.windowCaption, "Tavelor - Wing data : delta.txt");
  EXPECT_EQ(files.currentFileName, "delta.txt");
  EXPECT_EQ(files.lastSeparatorPos, static_cast<int>(folder.path().size()) + 1);
  EXPECT_THAT(folder.names(), ::testing::UnorderedElementsAre("test.lng", "delta.txt"));
}

TEST_F(WingFileCommands, SavedWingOpensBackToTheSameTextsAndResults) {
  const std::string path = saveTwoPanelWing("round.txt");
  const auto texts = fieldTexts(window);
  const auto results = window.results;
  ASSERT_EQ(window.resultCaption(ResultLabel::Lbenv), "1 400.00 mm  ");

  WingFileFixture fresh;
  fresh.window.openAnswers.push_back(path);
  EXPECT_TRUE(mnuopen_Click(fresh.files, fresh.state, fresh.window, fresh.language));

  EXPECT_EQ(fieldTexts(fresh.window), texts);
  EXPECT_EQ(fresh.window.results, results);
  EXPECT_TRUE(fresh.state.resultsValid);
  EXPECT_THAT(fresh.window.messages, IsEmpty());
  EXPECT_EQ(fresh.window.windowCaption, "Tavelor - Wing data : round.txt");
  EXPECT_EQ(fresh.files.currentFileName, "round.txt");
}

// Fields edited after the calculation: the save writes the texts as they stand, Windows-1252 on
// disk with line breaks as blanks, and they open back as UTF-8.
TEST_F(WingFileCommands, SaveWritesEditedTextsAsTheyStand) {
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  window.setFieldText(Field::deport, 0, "-12,5");
  window.setFieldText(Field::masse, 0, "15\r\n00 g \u00e9t\u00e9 \u20ac\n");
  window.saveAnswers.push_back(folder.file("edited.txt"));
  mnusave_Click(files, state, window, language);

  auto lines = kTwoPanelLines;
  lines[4] = "-12,5";
  lines[22] = "15  00 g \xe9t\xe9 \x80 ";
  EXPECT_EQ(folder.read("edited.txt"), joinLines(lines));
  EXPECT_TRUE(openFile(folder.file("edited.txt")));
  EXPECT_EQ(window.fieldText(Field::deport, 0), "-12,5");
  EXPECT_EQ(window.fieldText(Field::masse, 0), "15  00 g \u00e9t\u00e9 \u20ac ");
}

TEST_F(WingFileCommands, SaveIsRefusedWhileNoCalculationStands) {
  window.typeExampleWing();  // typed but not calculated
  window.saveAnswers.push_back(folder.file("refused.txt"));
  mnusave_Click(files, state, window, language);
  ASSERT_TRUE(calc::calculate(state, window, language));
  calc::clearInputs(state, window, language);  // and after the Clear button
  mnusave_Click(files, state, window, language);

  ASSERT_EQ(window.messages.size(), 2u);
  for (const auto& message : window.messages) {
    EXPECT_EQ(message.text, "Calculate first");
    EXPECT_EQ(message.title, "Save wing");
    EXPECT_EQ(message.icon, i18n::Icon::Warning);
    EXPECT_EQ(message.buttons, i18n::Buttons::Ok);
  }
  EXPECT_THAT(window.saveRequests, IsEmpty());
  EXPECT_FALSE(std::filesystem::exists(folder.file("refused.txt")));
}

// Both dialogs ask for text files in the program folder; cancelled, they change nothing.
TEST_F(WingFileCommands, CancelledDialogsChangeNothing) {
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  const auto texts = fieldTexts(window);
  const auto results = window.results;
  const int planClears = window.planClears;
  mnusave_Click(files, state, window, language);
  EXPECT_FALSE(mnuopen_Click(files, state, window, language));

  ASSERT_EQ(window.saveRequests.size(), 1u);
  ASSERT_EQ(window.openRequests.size(), 1u);
  for (const auto* request : {&window.saveRequests[0], &window.openRequests[0]}) {
    EXPECT_EQ(request->filterText, "Wing data (*.txt)");
    EXPECT_EQ(request->filterPattern, "*.txt");
    EXPECT_EQ(request->initialFolder, folder.path());
    EXPECT_EQ(request->defaultExtension, "txt");
  }
  EXPECT_EQ(window.saveRequests[0].title, "Save wing");
  EXPECT_TRUE(window.saveRequests[0].confirmOverwrite);
  EXPECT_EQ(window.openRequests[0].title, "Open wing");
  EXPECT_TRUE(window.openRequests[0].mustExist);
  EXPECT_EQ(fieldTexts(window), texts);
  EXPECT_EQ(window.results, results);
  EXPECT_EQ(window.planClears, planClears);
  EXPECT_TRUE(state.resultsValid);
  EXPECT_EQ(window.windowCaption, "Tavelor");
  EXPECT_THAT(window.messages, IsEmpty());
  EXPECT_THAT(folder.names(), ElementsAre("test.lng"));
}

TEST_F(WingFileCommands, FailedWriteKeepsTheOldFileByteForByte) {
  const std::string path = folder.file("wing.txt");
  const std::string old = joinLines({"Z2O-Please don't Delete ....", "old"});
  folder.write("wing.txt", old);
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  window.saveAnswers.push_back(path);
  {
    testing::FileSizeLimit limit(old.size());
    mnusave_Click(files, state, window, language);
  }

  EXPECT_EQ(testing::readFile(path), old);
  EXPECT_THAT(folder.names(), ::testing::UnorderedElementsAre("test.lng", "wing.txt"));
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, fileError(EFBIG, std::strerror(EFBIG)));
  EXPECT_EQ(files.fileErrorText, window.messages[0].text);
  EXPECT_EQ(window.messages[0].title, "Tavelor");
  EXPECT_EQ(window.messages[0].icon, i18n::Icon::Information);
  EXPECT_EQ(window.messages[0].buttons, i18n::Buttons::Ok);
  EXPECT_EQ(window.windowCaption, "Tavelor");
  EXPECT_EQ(files.currentFileName, path);
}

struct FailedSaveCase {
  const char* name;
  const char* target;  // inside the temporary folder
  int error;
};

class FailedSave : public WingFileCommands, public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSave, ReportsTheSystemErrorAndLeavesTheFolderAsItWas) {
  std::filesystem::create_directory(folder.file("folder.txt"));
  folder.write("folder.txt/inside", "keep");
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  window.saveAnswers.push_back(folder.file(GetParam().target));
  mnusave_Click(files, state, window, language);

  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, fileError(GetParam().error, std::strerror(GetParam().error)));
  EXPECT_THAT(folder.names(), ::testing::UnorderedElementsAre("test.lng", "folder.txt"));
  EXPECT_EQ(folder.read("folder.txt/inside"), "keep");
  EXPECT_EQ(window.windowCaption, "Tavelor");
}

INSTANTIATE_TEST_SUITE_P(Targets, FailedSave,
                         ::testing::Values(FailedSaveCase{"MissingFolder", "nowhere/wing.txt",
                                                          ENOENT},
                                           FailedSaveCase{"TargetIsAFolder", "folder.txt", EISDIR}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WingFileCommands, OpenOfAMissingFileReportsItAfterClearing) {
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  EXPECT_FALSE(openFile(folder.file("missing.txt")));

  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, fileError(ENOENT, std::strerror(ENOENT)));
  EXPECT_EQ(window.fieldText(Field::L_trap, 0), "");
  EXPECT_EQ(window.fieldText(Field::Cg, 0), "30");
  EXPECT_FALSE(state.resultsValid);
  EXPECT_EQ(window.windowCaption, "Tavelor");
}

// What the window shows after opening a file of the given bytes.
struct OpenCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> texts;  // the 22 fields afterwards
  bool readsPastEnd;               // the file-error message instead of a calculation
};

std::vector<std::string> linesWith(std::vector<std::string> lines, std::size_t index,
                                   const std::string& text) {
  lines.at(index) = text;
  return lines;
}

const std::vector<std::string> kCleared = {"", "", "", "", "", "", "", "", "", "",   "",
                                           "", "", "", "", "", "", "", "", "", "30", ""};

std::vector<OpenCase> openCases() {
  const auto lf = joinLines(kTwoPanelLines, "\n");
  const auto crOnly = joinLines(kTwoPanelLines, "\r");
  // A second record as the save command writes it: panel 2's root follows panel 1's new tip.
  const auto second =
      linesWith(linesWith(linesWith(kTwoPanelLines, 2, "150"), 5, "150"), 22, "900");
  const auto comma = linesWith(kTwoPanelLines, 3, "400,5");
  // A short file stops in panel 2's length: what was read stays, the tip-to-root copy included.
  std::vector<std::string> shortTexts = kCleared;
  for (std::size_t i = 0; i < 6; ++i) shortTexts[i] = kTwoPanelLines[i + 1];
  shortTexts[8] = "100";
  // A root chord in the file that disagrees with the tip before it is replaced by that tip as
  // soon as the next tip chord is read, exactly as if typed.
  const auto unchained = linesWith(kTwoPanelLines, 5, "999");
  return {
      {"CrLf", joinLines(kTwoPanelLines), expectedTexts(kTwoPanelLines), false},
      {"LfOnly", lf, expectedTexts(kTwoPanelLines), false},
      {"CrOnly", crOnly, expectedTexts(kTwoPanelLines), false},
      {"LastLineWithoutEnd", lf.substr(0, lf.size() - 1), expectedTexts(kTwoPanelLines), false},
      {"DecimalComma", joinLines(comma), expectedTexts(comma), false},
      {"RootChordFollowsTip", joinLines(unchained), expectedTexts(kTwoPanelLines), false},
      {"LowerCaseMark", joinLines(linesWith(kTwoPanelLines, 0, "z2o-Please don't Delete ....")),
       linesWith(expectedTexts(kTwoPanelLines), 21, ""), false},
      {"OtherHeader", joinLines(linesWith(kTwoPanelLines, 0, "Wing")),
       linesWith(expectedTexts(kTwoPanelLines), 21, ""), false},
      {"MarkAlone", joinLines(linesWith(kTwoPanelLines, 0, "Z2O")), expectedTexts(kTwoPanelLines),
       false},
      {"TwoRecordsSecondWins", joinLines(kTwoPanelLines) + joinLines(second), expectedTexts(second),
       false},
      {"ExtraEmptyLine", joinLines(kTwoPanelLines) + "\r\n", expectedTexts(kTwoPanelLines), true},
      {"ShortFile", joinLines({kTwoPanelLines.begin(), kTwoPanelLines.begin() + 7}), shortTexts,
       true},
  };
}

class OpenFile : public WingFileCommands, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenFile, FillsTheFieldsAsIfTyped) {
  const auto& param = GetParam();
  folder.write("wing.txt", param.bytes);
  const bool resultsStand = openFile(folder.file("wing.txt"));

  EXPECT_EQ(fieldTexts(window), param.texts);
  if (param.readsPastEnd) {
    EXPECT_FALSE(resultsStand);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, fileError(62, "Input past end of file"));
    EXPECT_EQ(window.messages[0].icon, i18n::Icon::Information);
    EXPECT_EQ(window.windowCaption, "Tavelor");
    EXPECT_EQ(window.resultCaption(ResultLabel::Lbenv), "");
    EXPECT_FALSE(state.resultsValid);
  } else {
    EXPECT_TRUE(resultsStand);
    EXPECT_THAT(window.messages, IsEmpty());
    EXPECT_EQ(window.windowCaption, "Tavelor - Wing data : wing.txt");
    EXPECT_NE(window.resultCaption(ResultLabel::Lbenv), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Files, OpenFile, ::testing::ValuesIn(openCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WingFileCommands, EmptyFileLeavesTheWindowClearedAndCalculationComplains) {
  window.typeExampleWing();
  ASSERT_TRUE(calc::calculate(state, window, language));
  folder.write("empty.txt", "");
  EXPECT_FALSE(openFile(folder.file("empty.txt")));

  EXPECT_EQ(fieldTexts(window), kCleared);
  ASSERT_EQ(window.messages.size(), 1u);
  EXPECT_EQ(window.messages[0].text, "Panel data invalid");
  EXPECT_EQ(window.messages[0].icon, i18n::Icon::Warning);
  EXPECT_EQ(window.windowCaption, "Tavelor - Wing data : empty.txt");
}

struct SizeCase {
  const char* name;
  std::size_t size;
  bool refused;
};

class FileSize : public WingFileCommands, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(FileSize, FilesBeyond64KiBAreRefusedBeforeAnythingIsLoaded) {
  // Records repeated, the last mass padded with blanks (the number ends at the first blank).
  std::string bytes;
  const std::string record = joinLines(kTwoPanelLines);
  while (bytes.size() + 2 * record.size() < GetParam().size) bytes += record;
  bytes += record.substr(0, record.size() - 2);
  bytes.append(GetParam().size - bytes.size() - 2, ' ');
  bytes += "\r\n";
  ASSERT_EQ(bytes.size(), GetParam().size);
  folder.write("big.txt", bytes);

  const bool resultsStand = openFile(folder.file("big.txt"));

  if (GetParam().refused) {
    EXPECT_FALSE(resultsStand);
    EXPECT_EQ(fieldTexts(window), kCleared);
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text,
              fileError(EFBIG, "The file is too large to be a wing data file"));
    EXPECT_EQ(window.windowCaption, "Tavelor");
  } else {
    EXPECT_TRUE(resultsStand);
    EXPECT_THAT(window.messages, IsEmpty());
    EXPECT_EQ(window.fieldText(Field::L_trap, 1), "300");
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, FileSize,
                         ::testing::Values(SizeCase{"Exactly64KiB", 65536, false},
                                           SizeCase{"OneByteMore", 65537, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LastSeparator, IsFoundFromTheEnd) {
  for (const auto& [path, position] : std::vector<std::pair<std::string, int>>{
           {"/home/ann/wings/delta.txt", 16}, {"/home/ann/", 10}, {"delta.txt", 0}}) {
    WingFileState files;
    LenMonFichier(files, path);
    EXPECT_EQ(files.lastSeparatorPos, position) << path;
  }
}

}  // namespace
}  // namespace tavelor::files::test

#include "i18n/translate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n_test_support.h"

namespace tavelor::i18n {
namespace {

using testing::RecordingBoxes;
using testing::RecordingCaptions;
using testing::TempFolder;
using Set = RecordingCaptions::Set;

// Every text the main window takes, each value naming its own section and key.
const std::string kFullFile =
    "[File]\r\n0=F0\r\n1=F1\r\n2=F2\r\n3=F3\r\n4=F4\r\n"
    "[Language]\r\n1=L1\r\n2=L2\r\n"
    "[Help]\r\n0=H0\r\n1=H1\r\n2=H2\r\n"
    "[Label]\r\n0=T0\r\n1=T1\r\n2=T2\r\n3=T3\r\n4=T4\r\n5=T5\r\n6=T6\r\n7=T7\r\n8=T8\r\n"
    "9=T9\r\n10=T10\r\n11=T11\r\n12=Trap\xE8ze\r\n13=Donn\xE9"
    "es\r\n14=T14\r\n15=Masse\r\n16=Charge\r\n"
    "[Button]\r\n1=B1\r\n2=B2\r\n3=B3\r\n"
    "[ToolTipText]\r\n1=Tip\r\n";

std::vector<Set> expectedSets(const std::string& trap, bool withTexts) {
  const auto t = [&](const std::string& text) { return withTexts ? text : std::string(); };
  std::vector<Set> sets = {
      {"mnufile", t("F0"), false},     {"mnuopen", t("F1"), false},
      {"mnusave", t("F2"), false},     {"mnufileprint", t("F3"), false},
      {"mnufilequit", t("F4"), false}, {"mnulang", t("L1"), false},
      {"mnuaide", t("H0"), false},     {"mnuhlp", t("H1"), false},
      {"nmuabout", t("H2"), false},    {"frmMain", t("T0"), false},
  };
  for (int n = 1; n <= 11; ++n) {
    sets.push_back({"Label" + std::to_string(n), t("T" + std::to_string(n)), false});
  }
  sets.push_back({"Lbmasse", t("Masse") + " : ", false});
  sets.push_back({"Lbca", t("Charge") + " : ", false});
  for (int i = 0; i < 5; ++i) {
    sets.push_back({"Trap" + std::to_string(i), trap + " " + std::to_string(i + 1), false});
  }
  sets.push_back({"donn\u00E9es", t("Donn\u00E9es"), false});
  sets.push_back({"r\u00E9sultats", t("T14"), false});
  sets.push_back({"cmdCalcul", t("B1"), false});
  sets.push_back({"cmdCalcul", t("Tip"), true});
  sets.push_back({"cmdClear", t("B2"), false});
  sets.push_back({"cmdprint", t("B3"), false});
  return sets;
}

class TranslateTest : public ::testing::Test {
 protected:
  TempFolder folder;
  RecordingBoxes boxes;
  LanguageModule module{folder.path(), boxes};
  RecordingCaptions window;
};

TEST_F(TranslateTest, SetsEveryCaptionInOrder) {
  folder.write("Test.lng", kFullFile);
  module.setLanguage("Test");
  translate(module, window);
  EXPECT_EQ(window.sets, expectedSets("Trap\u00E8ze", true));
  EXPECT_TRUE(boxes.shown.empty());
}

// Without its word the panel heading keeps the blank and the number.
TEST_F(TranslateTest, MissingLanguageFileEmptiesCaptionsSilently) {
  module.setLanguage("Gone");
  translate(module, window);
  EXPECT_EQ(window.sets, expectedSets("", false));
  EXPECT_TRUE(boxes.shown.empty());
}

}  // namespace
}  // namespace tavelor::i18n

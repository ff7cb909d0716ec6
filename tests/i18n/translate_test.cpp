#include "i18n/translate.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "i18n_test_support.h"

namespace tavelor::i18n {
namespace {

// Every text the main window takes, each value naming its own section and key.
const std::string kFile =
    "[File]\r\n0=F0\r\n1=F1\r\n2=F2\r\n3=F3\r\n4=F4\r\n[Language]\r\n1=L1\r\n2=L2\r\n"
    "[Help]\r\n0=H0\r\n1=H1\r\n2=H2\r\n[Label]\r\n0=T0\r\n1=T1\r\n2=T2\r\n3=T3\r\n4=T4\r\n"
    "5=T5\r\n6=T6\r\n7=T7\r\n8=T8\r\n9=T9\r\n10=T10\r\n11=T11\r\n12=Trap\xE8ze\r\n13=Donn\xE9"
    "es\r\n14=T14\r\n15=Masse\r\n16=Charge\r\n[Button]\r\n1=B1\r\n2=B2\r\n3=B3\r\n"
    "[ToolTipText]\r\n1=Tip\r\n";
const std::string kCaptions =
    "mnufile=F0|mnuopen=F1|mnusave=F2|mnufileprint=F3|mnufilequit=F4|mnulang=L1|mnuaide=H0|"
    "mnuhlp=H1|nmuabout=H2|frmMain=T0|Label1=T1|Label2=T2|Label3=T3|Label4=T4|Label5=T5|"
    "Label6=T6|Label7=T7|Label8=T8|Label9=T9|Label10=T10|Label11=T11|Lbmasse=Masse : |"
    "Lbca=Charge : |Trap0=Trap\u00E8ze 1|Trap1=Trap\u00E8ze 2|Trap2=Trap\u00E8ze 3|"
    "Trap3=Trap\u00E8ze 4|Trap4=Trap\u00E8ze 5|donn\u00E9es=Donn\u00E9es|r\u00E9sultats=T14|"
    "cmdCalcul=B1|cmdCalcul.tip=Tip|cmdClear=B2|cmdprint=B3|";

struct TranslateCase {
  const char* name;
  std::string file;
  const char* missingTexts;  // the caption parts that go, as a pattern over kCaptions, if any
};

class Translate : public ::testing::TestWithParam<TranslateCase> {};

// A missing text or file empties the caption silently; a panel heading keeps blank and number.
TEST_P(Translate, SetsEveryCaptionInOrder) {
  const auto& c = GetParam();
  testing::TempFolder folder;
  if (!c.file.empty()) folder.write("Test.lng", c.file);
  testing::FakeInputWindow boxes;
  Language module{folder.path(), boxes};
  module.setLanguage("Test");
  testing::RecordingCaptions window;
  translate(module, window);
  EXPECT_EQ(window.log, c.missingTexts
                            ? std::regex_replace(kCaptions, std::regex(c.missingTexts), "=")
                            : kCaptions);
  EXPECT_TRUE(boxes.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, Translate,
    ::testing::Values(TranslateCase{"full", kFile, nullptr},
                      TranslateCase{"noPanelWord",
                                    std::regex_replace(kFile, std::regex("12=.*\r\n"), ""),
                                    "=Trap[^ |]+"},
                      TranslateCase{"noFile", "", "=[^ |]+"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelor::i18n

#include "base/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelor::base {
namespace {

struct ReadCase {
  const char* name;
  std::string content, section, key, expected;
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsTheValue) {
  const auto& c = GetParam();
  EXPECT_EQ(readIniValue(c.content, c.section, c.key, 200), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniRead,
    ::testing::Values(
        ReadCase{"lfAndNoFinalLineEnd", "[Langue]\n1=English", "Langue", "1", "English"},
        ReadCase{"namesIgnoreCase", "[LANGUAGE]\r\nKEY=Choose\r\n", "language", "key", "Choose"},
        ReadCase{"namesTrimmed", "  [ File ]  \r\n\t0 =  &File \t\r\n", " File ", "0", "&File"},
        ReadCase{"quotesKeepBlanks", "[S]\r\nk=' a '\r\n", "S", "k", " a "},
        ReadCase{"unmatchedQuotesKept", "[S]\r\nk=\"a'\r\n", "S", "k", "\"a'"},
        ReadCase{"commentIsNoKey", "[S]\r\n  ;k=1\r\nk=2\r\n", "S", "k", "2"},
        ReadCase{"firstKeyWins", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
        ReadCase{"firstSectionWins", "[S]\r\na=1\r\n[s]\r\nb=2\r\n", "S", "b", ""},
        ReadCase{"unclosedHeaderIsNoSection", "[S\r\nk=1\r\n", "S", "k", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct WriteCase {
  const char* name;
  std::string before, section, key, value, after;
};

class IniWrite : public ::testing::TestWithParam<WriteCase> {};

TEST_P(IniWrite, GivesTheBytes) {
  const auto& c = GetParam();
  const auto written = setIniValue(c.before, c.section, c.key, c.value);
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(*written, c.after);
  EXPECT_EQ(findIniValue(*written, c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniWrite,
    ::testing::Values(
        WriteCase{"createsFile", "", "Langue", "1", "English", "[Langue]\r\n1=English\r\n"},
        WriteCase{"replacesKeepingOtherContent",
                  "; settings\r\n[langue]\r\n; chosen\r\n  Key = old \r\n2=x\r\n\r\n[O]\r\na=b\r\n",
                  "LANGUE", "KEY", "new",
                  "; settings\r\n[langue]\r\n; chosen\r\nKey=new\r\n2=x\r\n\r\n[O]\r\na=b\r\n"},
        WriteCase{"appendsSection", "[A]\r\na=1\r\n", "Langue", "1", "x",
                  "[A]\r\na=1\r\n\r\n[Langue]\r\n1=x\r\n"},
        WriteCase{"addsKeyAfterLastKeyOfSection", "[L]\r\n2=b\r\n; note\r\n[O]\r\n", "L", "1", "x",
                  "[L]\r\n2=b\r\n1=x\r\n; note\r\n[O]\r\n"},
        WriteCase{"lfBecomesCrLf", "[A]\na=1", "A", "b", "2", "[A]\r\na=1\r\nb=2\r\n"},
        WriteCase{"blanksAtEndsQuoted", "", "S", "k", " x ", "[S]\r\nk=\" x \"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Nothing a caller passes may add a line or a section to the file.
TEST(IniWrite, RefusesWhatWouldBreakTheFile) {
  const std::string file = "[S]\r\nk=1\r\n";
  EXPECT_EQ(setIniValue(file, "S", "k", "a\r\n[Evil]"), std::nullopt);
  EXPECT_EQ(setIniValue(file, "a]b", "k", "v"), std::nullopt);
  EXPECT_EQ(setIniValue(file, "S", "a=b", "v"), std::nullopt);
}

}  // namespace
}  // namespace tavelor::base

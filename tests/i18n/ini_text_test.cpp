#include "i18n/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace tavelor::i18n {
namespace {

struct ReadCase {
  const char* name;
  std::string content;
  std::string section;
  std::string key;
  std::string expected;
  std::size_t capacity = 200;
};

class IniRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(IniRead, FindsTheValue) {
  const auto& c = GetParam();
  EXPECT_EQ(readIniValue(c.content, c.section, c.key, c.capacity), c.expected);
}

const std::string k150(150, 'x');

INSTANTIATE_TEST_SUITE_P(
    Rules, IniRead,
    ::testing::Values(
        ReadCase{"plain", "[Langue]\r\n1=English\r\n", "Langue", "1", "English"},
        ReadCase{"lfLineEnds", "[Langue]\n1=English\n", "Langue", "1", "English"},
        ReadCase{"noFinalLineEnd", "[Langue]\r\n1=English", "Langue", "1", "English"},
        ReadCase{"sectionUpperInFile", "[LANGUAGE]\r\n2=Choose\r\n", "language", "2", "Choose"},
        ReadCase{"sectionMixedInFile", "[Language]\r\n2=Choose\r\n", "LANGUAGE", "2", "Choose"},
        ReadCase{"keyCase", "[About]\r\nTRANSLATE=me\r\n", "About", "translate", "me"},
        ReadCase{"namesTrimmed", "  [ File ]  \r\n\t0 =  &File \t\r\n", "File", "0", "&File"},
        ReadCase{"callerNamesTrimmed", "[File]\r\n0=a\r\n", " File ", " 0", "a"},
        ReadCase{"doubleQuotesKeepBlanks", "[S]\r\nk=\" a \"\r\n", "S", "k", " a "},
        ReadCase{"singleQuotes", "[S]\r\nk=' a '\r\n", "S", "k", " a "},
        ReadCase{"onlyOnePairRemoved", "[S]\r\nk=\"\"a\"\"\r\n", "S", "k", "\"a\""},
        ReadCase{"unmatchedQuotesKept", "[S]\r\nk=\"a'\r\n", "S", "k", "\"a'"},
        ReadCase{"loneQuoteKept", "[S]\r\nk=\"\r\n", "S", "k", "\""},
        ReadCase{"equalsInValue", "[S]\r\nk=a=b\r\n", "S", "k", "a=b"},
        ReadCase{"commentIsNoKey", "[S]\r\n;k=1\r\n", "S", "k", ""},
        ReadCase{"indentedComment", "[S]\r\n  ;k=1\r\nk=2\r\n", "S", "k", "2"},
        ReadCase{"lineWithoutEquals", "[S]\r\nk 1\r\n", "S", "k", ""},
        ReadCase{"firstKeyWins", "[S]\r\nk=1\r\nK=2\r\n", "S", "k", "1"},
        ReadCase{"firstSectionWins", "[S]\r\na=1\r\n[s]\r\na=2\r\n", "S", "a", "1"},
        ReadCase{"laterDuplicateSectionIgnored", "[S]\r\na=1\r\n[s]\r\nb=2\r\n", "S", "b", ""},
        ReadCase{"otherSection", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n", "B", "k", "2"},
        ReadCase{"keyBeforeAnySection", "k=1\r\n[S]\r\n", "S", "k", ""},
        ReadCase{"unclosedHeaderIsNoSection", "[S\r\nk=1\r\n", "S", "k", ""},
        ReadCase{"headerWithTrailingComment", "[S] ; note\r\nk=1\r\n", "S", "k", "1"},
        ReadCase{"missingSection", "[A]\r\nk=1\r\n", "B", "k", ""},
        ReadCase{"emptyValue", "[S]\r\nk=\r\n", "S", "k", ""},
        ReadCase{"emptyQuotedValue", "[S]\r\nk=\"\"\r\n", "S", "k", ""},
        ReadCase{"emptyFile", "", "S", "k", ""},
        ReadCase{"emptyKeyNeverMatches", "[S]\r\n=1\r\n", "S", "", ""},
        ReadCase{"cutToTheBuffer", "[S]\r\nk=" + k150, "S", "k", k150.substr(0, 99), 100},
        ReadCase{"cutAfterQuotesRemoved", "[S]\r\nk=\"abcdef\"", "S", "k", "abc", 4}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniRead, MissingAndEmptyAreDistinctOnlyToFind) {
  EXPECT_EQ(findIniValue("[S]\r\nk=\r\n", "S", "k"), std::optional<std::string>(""));
  EXPECT_EQ(findIniValue("[S]\r\n", "S", "k"), std::nullopt);
}

struct WriteCase {
  const char* name;
  std::string before;
  std::string section;
  std::string key;
  std::string value;
  std::string after;
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
        WriteCase{"replacesValue", "[Langue]\r\n1=English\r\n", "Langue", "1",
                  "Fran\xE7"
                  "ais",
                  "[Langue]\r\n1=Fran\xE7"
                  "ais\r\n"},
        WriteCase{
            "keepsCommentsAndOtherLines",
            "; settings\r\n[Langue]\r\n; chosen\r\n1=English\r\n2=x\r\n\r\n[Other]\r\na=b\r\n",
            "Langue", "1", "Deutsch",
            "; settings\r\n[Langue]\r\n; chosen\r\n1=Deutsch\r\n2=x\r\n\r\n[Other]\r\na=b\r\n"},
        WriteCase{"keepsFileSpellingOfNames", "[langue]\r\n  Key = old \r\n", "LANGUE", "KEY",
                  "new", "[langue]\r\nKey=new\r\n"},
        WriteCase{"appendsSectionAfterBlankLine", "[A]\r\na=1\r\n", "Langue", "1", "x",
                  "[A]\r\na=1\r\n\r\n[Langue]\r\n1=x\r\n"},
        WriteCase{"appendsSectionAfterExistingBlank", "[A]\r\na=1\r\n\r\n", "Langue", "1", "x",
                  "[A]\r\na=1\r\n\r\n[Langue]\r\n1=x\r\n"},
        WriteCase{"addsKeyAfterLastKeyOfSection",
                  "[Langue]\r\n2=b\r\n; note\r\n\r\n[Other]\r\nc=d\r\n", "Langue", "1", "x",
                  "[Langue]\r\n2=b\r\n1=x\r\n; note\r\n\r\n[Other]\r\nc=d\r\n"},
        WriteCase{"addsKeyBelowHeaderOfEmptySection", "[Langue]\r\n; empty\r\n[B]\r\n", "Langue",
                  "1", "x", "[Langue]\r\n1=x\r\n; empty\r\n[B]\r\n"},
        WriteCase{"lfBecomesCrLf", "[A]\na=1\n", "A", "b", "2", "[A]\r\na=1\r\nb=2\r\n"},
        WriteCase{"lastLineWithoutLineEnd", "[A]\r\na=1", "A", "a", "2", "[A]\r\na=2\r\n"},
        WriteCase{"firstOfDuplicateSections", "[S]\r\na=1\r\n[s]\r\na=2\r\n", "S", "a", "3",
                  "[S]\r\na=3\r\n[s]\r\na=2\r\n"},
        WriteCase{"firstOfDuplicateKeys", "[S]\r\na=1\r\na=2\r\n", "S", "a", "3",
                  "[S]\r\na=3\r\na=2\r\n"},
        WriteCase{"blanksAtEndsQuoted", "", "S", "k", " x ", "[S]\r\nk=\" x \"\r\n"},
        WriteCase{"surroundingQuotesQuoted", "", "S", "k", "'x'", "[S]\r\nk=\"'x'\"\r\n"},
        WriteCase{"emptyValue", "[S]\r\nk=1\r\n", "S", "k", "", "[S]\r\nk=\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
  const char* name;
  std::string section;
  std::string key;
  std::string value;
};

class IniWriteRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(IniWriteRefused, LeavesNoWayToBreakTheFile) {
  const auto& c = GetParam();
  EXPECT_EQ(setIniValue("[S]\r\nk=1\r\n", c.section, c.key, c.value), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Inputs, IniWriteRefused,
                         ::testing::Values(RefusedCase{"lineBreakInValue", "S", "k", "a\r\n[Evil]"},
                                           RefusedCase{"lfInValue", "S", "k", "a\nb"},
                                           RefusedCase{"nulInValue", "S", "k",
                                                       std::string("a\0b", 3)},
                                           RefusedCase{"bracketInSection", "a]b", "k", "v"},
                                           RefusedCase{"equalsInKey", "S", "a=b", "v"},
                                           RefusedCase{"keyLikeComment", "S", ";k", "v"},
                                           RefusedCase{"keyLikeSection", "S", "[k]", "v"},
                                           RefusedCase{"emptySection", " ", "k", "v"},
                                           RefusedCase{"emptyKey", "S", "", "v"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavelor::i18n

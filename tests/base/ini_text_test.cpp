#include "base/ini_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tavelor::base {
namespace {

TEST(IniRead, FindsTheValue) {
  const struct {
    std::string content, section, key, expected;
  } cases[] = {
      {"[Langue]\n1=English", "Langue", "1", "English"},  // LF, no final line end
      {"  [ FILE ]  \r\n\t0 =  &File \t\r\n", " file ", "0", "&File"},
      {"[S]\r\nk=' a '\r\n", "S", "k", " a "},
      {"[S]\r\n  ;k=1\r\nk=2\r\nK=3\r\n", "S", "k", "2"},  // a comment is no key; the first wins
      {"[S]\r\na=1\r\n[s]\r\nb=2\r\n", "S", "b", ""},      // the first section wins
      {"[S\r\nk=1\r\n", "S", "k", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(readIniValue(c.content, c.section, c.key, 200), c.expected) << c.content;
  }
}

// The bytes written; a value or a name that would add a line or a section is refused.
TEST(IniWrite, GivesTheBytes) {
  const struct {
    std::string before, section, key, value;
    std::optional<std::string> after;
  } cases[] = {
      {"", "Langue", "1", "English", "[Langue]\r\n1=English\r\n"},
      {"; settings\r\n[langue]\r\n; chosen\r\n  Key = old \r\n2=x\r\n\r\n[O]\r\na=b\r\n", "LANGUE",
       "KEY", "new", "; settings\r\n[langue]\r\n; chosen\r\nKey=new\r\n2=x\r\n\r\n[O]\r\na=b\r\n"},
      {"[A]\na=1", "Langue", "1", "x", "[A]\r\na=1\r\n\r\n[Langue]\r\n1=x\r\n"},
      {"[L]\r\n2=b\r\n; note\r\n[O]\r\n", "L", "1", "x", "[L]\r\n2=b\r\n1=x\r\n; note\r\n[O]\r\n"},
      {"[S]\r\nk=1\r\n", "S", "k", "a\r\n[Evil]", std::nullopt},
      {"[S]\r\nk=1\r\n", "a]b", "k", "v", std::nullopt},
      {"[S]\r\nk=1\r\n", "S", "a=b", "v", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(setIniValue(c.before, c.section, c.key, c.value), c.after);
}

}  // namespace
}  // namespace tavelor::base

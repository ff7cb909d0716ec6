#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/cp1252.h"
#include "base/ini_text.h"
#include "i18n/language.h"
#include "i18n/language_chooser.h"
#include "i18n_test_support.h"

namespace tavelor::i18n {
namespace {

// Every (section, key) the program looks up, spelled as the program spells it.
std::vector<std::pair<std::string, std::string>> keysTheProgramReads() {
  std::vector<std::pair<std::string, std::string>> keys = {{"language", "1"}, {"LANGUAGE", "2"}};
  std::istringstream ranges(
      "File 0 4 Help 0 2 Label 0 16 Button 1 4 ToolTipText 1 1 Message 1 16 MsgHelp 1 18 "
      "MsgHelp 21 24 Print 1 3 About 1 2 About 4 6");
  std::string section;
  int first = 0, last = 0;
  while (ranges >> section >> first >> last) {
    for (int k = first; k <= last; ++k) keys.emplace_back(section, std::to_string(k));
  }
  keys.insert(keys.end(), {{"About", "translate"}, {"About", "email"}});
  return keys;
}

// Each file is Windows-1252 with CR LF line ends and holds every text whole (at most 199
// characters, so none is cut).
TEST(ShippedLanguageFiles, HoldEveryTextWhole) {
  const auto names = listLanguages(TAVELOR_LANG_DIR, "*.lng");
  EXPECT_THAT(names, ::testing::IsSupersetOf({"Deutsch", "English", "Fran\u00E7ais"}));
  for (const auto& name : names) {
    SCOPED_TRACE(name);
    const std::string file =
        ::tavelor::testing::readFile(std::string(TAVELOR_LANG_DIR) + "/" + name + ".lng");
    ASSERT_TRUE(file.ends_with("\r\n"));
    for (size_t i = 0; i < file.size(); ++i) {
      const auto byte = static_cast<unsigned char>(file[i]);
      const bool lineEnd =
          (byte == '\r' && file[i + 1] == '\n') || (byte == '\n' && i > 0 && file[i - 1] == '\r');
      EXPECT_TRUE(lineEnd || (byte >= 0x20 && byte != 0x7F && isDefinedCp1252Byte(byte)))
          << "byte " << int(byte) << " at " << i;
    }
    EXPECT_EQ(file.find("\xC3\xA9"), std::string::npos);  // UTF-8 text would show this
    testing::FakeInputWindow boxes;
    Language module(TAVELOR_LANG_DIR, boxes);
    module.setLanguage(name);
    for (const auto& [section, key] : keysTheProgramReads()) {
      const auto raw = findIniValue(file, section, key);
      ASSERT_TRUE(raw.has_value()) << section << " " << key;
      EXPECT_FALSE(raw->empty()) << section << " " << key;
      EXPECT_LE(raw->size(), 199u) << section << " " << key << " would be cut";
      EXPECT_EQ(module.text(section, key), decodeCp1252(*raw)) << section << " " << key;
    }
    EXPECT_EQ(findIniValue(file, "Label", "0"), "Tavelor");
    EXPECT_TRUE(boxes.messages.empty());
  }
}

}  // namespace
}  // namespace tavelor::i18n

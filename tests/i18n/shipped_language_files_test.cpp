#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "i18n/cp1252.h"
#include "i18n/ini_text.h"
#include "i18n/language.h"
#include "i18n/language_chooser.h"
#include "i18n_test_support.h"

namespace tavelor::i18n {
namespace {

// Every (section, key) the program looks up, spelled as the program spells it.
std::vector<std::pair<std::string, std::string>> keysTheProgramReads() {
  std::vector<std::pair<std::string, std::string>> keys;
  const auto add = [&](const std::string& section, int first, int last) {
    for (int k = first; k <= last; ++k) keys.emplace_back(section, std::to_string(k));
  };
  add("File", 0, 4);
  keys.emplace_back("language", "1");
  keys.emplace_back("LANGUAGE", "2");
  add("Help", 0, 2);
  add("Label", 0, 16);
  add("Button", 1, 4);
  add("ToolTipText", 1, 1);
  add("Message", 1, 16);
  add("MsgHelp", 1, 18);
  add("MsgHelp", 21, 24);
  for (const char* key : {"1", "2", "4", "5", "6", "translate", "email"}) {
    keys.emplace_back("About", key);
  }
  add("Print", 1, 3);
  return keys;
}

std::vector<std::string> shippedLanguages() { return listLanguages(TAVELOR_LANG_DIR, "*.lng"); }

TEST(ShippedLanguages, EnglishFrenchAndGermanAreOffered) {
  const auto names = shippedLanguages();
  for (const char* name : {"Deutsch", "English", "Fran\u00E7ais"}) {
    EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
  }
}

class ShippedLanguageFile : public ::testing::TestWithParam<std::string> {
 protected:
  std::string bytes() const {
    return ::tavelor::testing::readFile(std::string(TAVELOR_LANG_DIR) + "/" + GetParam() + ".lng");
  }
};

TEST_P(ShippedLanguageFile, IsWindows1252WithCrLf) {
  const std::string file = bytes();
  ASSERT_FALSE(file.empty());
  ASSERT_GE(file.size(), 2u);
  EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
  for (size_t i = 0; i < file.size(); ++i) {
    const auto byte = static_cast<unsigned char>(file[i]);
    EXPECT_TRUE(isDefinedCp1252Byte(byte)) << "undefined byte at " << i;
    if (byte == '\r') {
      EXPECT_TRUE(i + 1 < file.size() && file[i + 1] == '\n') << "bare CR at " << i;
    } else if (byte == '\n') {
      EXPECT_TRUE(i > 0 && file[i - 1] == '\r') << "bare LF at " << i;
    } else {
      EXPECT_FALSE(byte < 0x20 || byte == 0x7F) << "control byte at " << i;
    }
  }
  // Text that is really UTF-8 would show up as the typical two-byte mojibake.
  EXPECT_EQ(file.find("\xC3\xA9"), std::string::npos);
}

TEST_P(ShippedLanguageFile, HoldsEveryTextWhole) {
  const std::string file = bytes();
  testing::RecordingBoxes boxes;
  LanguageModule module(TAVELOR_LANG_DIR, boxes);
  module.setLanguage(GetParam());
  for (const auto& [section, key] : keysTheProgramReads()) {
    const auto raw = findIniValue(file, section, key);
    ASSERT_TRUE(raw.has_value()) << section << " " << key;
    EXPECT_FALSE(raw->empty()) << section << " " << key;
    EXPECT_LE(raw->size(), 199u) << section << " " << key << " would be cut";
    EXPECT_EQ(module.GetINIFile(section, key), decodeCp1252(*raw)) << section << " " << key;
  }
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_P(ShippedLanguageFile, MainWindowCaptionsKeepTheirAccessKeys) {
  const std::string file = bytes();
  for (const char* key : {"0", "1", "2", "3", "4"}) {
    EXPECT_NE(findIniValue(file, "File", key).value_or("").find('&'), std::string::npos)
        << "File " << key;
  }
  for (const char* key : {"1", "2", "3"}) {
    EXPECT_NE(findIniValue(file, "Button", key).value_or("").find('&'), std::string::npos)
        << "Button " << key;
  }
  EXPECT_EQ(findIniValue(file, "Label", "0"), "Tavelor");
}

INSTANTIATE_TEST_SUITE_P(Lang, ShippedLanguageFile, ::testing::ValuesIn(shippedLanguages()),
                         [](const auto& info) {
                           std::string name;
                           for (char c : info.param) {
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           }
                           return name;
                         });

}  // namespace
}  // namespace tavelor::i18n

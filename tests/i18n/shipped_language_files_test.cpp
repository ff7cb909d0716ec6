#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "base/cp1252.h"
#include "base/ini_text.h"
#include "i18n/language_chooser.h"
#include "support/temp_folder.h"

namespace tavelor::i18n {
namespace {

using Keys = std::vector<std::pair<std::string, std::string>>;

std::string shippedFile(const std::string& name) {
  return testing::readFile(std::string(TAVELOR_LANG_DIR) + "/" + name + ".lng");
}

// Every (section, key) of a file, in order.
Keys keysOf(const std::string& file) {
  Keys keys;
  std::istringstream lines(file);
  std::string line, section;
  while (std::getline(lines, line)) {
    if (line.starts_with('[')) {
      section = line.substr(1, line.find(']') - 1);
    } else if (const auto equals = line.find('=');
               equals != std::string::npos && !line.starts_with(';')) {
      keys.emplace_back(section, line.substr(0, equals));
    }
  }
  return keys;
}

// The keys first..last of a section.
Keys run(const std::string& section, int first, int last) {
  Keys keys;
  for (int key = first; key <= last; ++key) keys.emplace_back(section, std::to_string(key));
  return keys;
}

// Each file is Windows-1252 with CR LF line ends and holds every text of the English file whole
// (at most 199 characters, so none is cut). Controls reached at once share no access key: the
// menu bar with the main window's buttons and captions, each menu, the unsaved-changes
// question's buttons. Every menu entry and button has one, but for a help menu named "?".
TEST(ShippedLanguageFiles, HoldEveryEnglishTextWholeWithUniqueAccessKeys) {
  const auto names = listLanguages(TAVELOR_LANG_DIR, "*.lng");
  EXPECT_THAT(names, ::testing::IsSupersetOf({"Deutsch", "English", "Fran\u00E7ais"}));
  const Keys english = keysOf(shippedFile("English"));
  ASSERT_GT(english.size(), 50u);
  Keys window = run("Label", 1, 16);
  for (const Keys& more : {run("Button", 1, 3), run("File", 0, 0), run("Language", 1, 1),
                           run("Tools", 0, 0), run("Help", 0, 0)}) {
    window.insert(window.end(), more.begin(), more.end());
  }
  for (const auto& name : names) {
    SCOPED_TRACE(name);
    const std::string file = shippedFile(name);
    ASSERT_TRUE(file.ends_with("\r\n"));
    for (std::size_t i = 0; i < file.size(); ++i) {
      const auto byte = static_cast<unsigned char>(file[i]);
      const bool lineEnd =
          (byte == '\r' && file[i + 1] == '\n') || (byte == '\n' && i > 0 && file[i - 1] == '\r');
      EXPECT_TRUE(lineEnd || (byte >= 0x20 && byte != 0x7F && base::isDefinedCp1252Byte(byte)))
          << "byte " << int(byte) << " at " << i;
    }
    EXPECT_EQ(file.find("\xC3\xA9"), std::string::npos);  // UTF-8 text would show this
    for (const auto& [section, key] : english) {
      const auto text = base::findIniValue(file, section, key);
      EXPECT_TRUE(text && !text->empty() && text->size() <= 199u)
          << section << " " << key << " is missing, empty or would be cut";
    }
    EXPECT_EQ(base::findIniValue(file, "Label", "0"), "Tavelor");
    for (const Keys& group :
         {window, run("File", 1, 6), run("Tools", 1, 1), run("Help", 1, 2), run("Button", 5, 7)}) {
      std::set<char> used;
      for (const auto& [section, key] : group) {
        const std::string text = base::findIniValue(file, section, key).value_or("");
        EXPECT_TRUE(section == "Label" || section + key == "Help0" ||
                    text.find('&') != std::string::npos)
            << section << " " << key << " has no access key";
        for (auto at = text.find('&'); at < text.size(); at = text.find('&', at + 2)) {
          if (at + 1 == text.size() || text[at + 1] == '&') continue;
          EXPECT_TRUE(used.insert(static_cast<char>(std::tolower(text[at + 1]))).second)
              << section << " " << key << " repeats the access key " << text[at + 1];
        }
      }
    }
  }
}

}  // namespace
}  // namespace tavelor::i18n

#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "base/message_box.h"
#include "i18n/language.h"
#include "support/temp_folder.h"

namespace tavelor::testing {

struct ShownMessage {
  std::string text, title;
  base::Icon icon;
  base::Buttons buttons;
};

// Message boxes that write down what they were asked to show and answer from a queue (OK when
// it is empty).
class RecordingMessages : public base::MessageBoxes {
 public:
  base::Answer showMessage(const std::string& text, const std::string& title, base::Icon icon,
                           base::Buttons buttons) override {
    messages.push_back({text, title, icon, buttons});
    if (answers.empty()) return base::Answer::Ok;
    const base::Answer answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  std::vector<ShownMessage> messages;
  std::vector<base::Answer> answers;
};

// Section -> key -> UTF-8 text.
using IniSections = std::map<std::string, std::map<std::string, std::string>>;

// The language file a translator would ship: Windows-1252 with CR LF line ends.
inline std::string languageFileBytes(const IniSections& sections) {
  std::string text;
  for (const auto& [section, keys] : sections) {
    text += "[" + section + "]\r\n";
    for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
  }
  return base::encodeCp1252(text);
}

// A program folder holding one language file, and a language reading it with that language
// set. INI faults land in `faults`.
class LanguageFolder {
 public:
  explicit LanguageFolder(const IniSections& sections = {}, const std::string& name = "test") {
    folder.write(name + ".lng", languageFileBytes(sections));
    language.setLanguage(name);
  }

  TempFolder folder;
  RecordingMessages faults;
  i18n::Language language{folder.path(), faults};
};

}  // namespace tavelor::testing

#pragma once

#include <map>
#include <string>
#include <utility>
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
  bool operator==(const ShownMessage&) const = default;
};

// Message boxes that write down what they were asked to show; the next box gets `answer`, any
// later one OK.
class RecordingMessages : public base::MessageBoxes {
 public:
  base::Answer showMessage(const std::string& text, const std::string& title, base::Icon icon,
                           base::Buttons buttons) override {
    messages.push_back({text, title, icon, buttons});
    return std::exchange(answer, base::Answer::Ok);
  }
  std::vector<ShownMessage> messages;
  base::Answer answer = base::Answer::Ok;
};

// Section -> key -> UTF-8 text.
using IniSections = std::map<std::string, std::map<std::string, std::string>>;

// A program folder holding one language file as a translator ships it (Windows-1252, CR LF),
// and a language reading it with that language set. INI faults land in `faults`.
class LanguageFolder {
 public:
  explicit LanguageFolder(const IniSections& sections = {}, const std::string& name = "test") {
    std::string text;
    for (const auto& [section, keys] : sections) {
      text += "[" + section + "]\r\n";
      for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
    }
    folder.write(name + ".lng", base::encodeCp1252(text));
    language.setLanguage(name);
  }

  TempFolder folder;
  RecordingMessages faults;
  i18n::Language language{folder.path(), faults};
};

}  // namespace tavelor::testing

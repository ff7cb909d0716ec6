#pragma once

#include <string>
#include <vector>

#include "i18n/caption_target.h"
#include "i18n/message_box.h"
#include "support/language_folder.h"

namespace tavelor::i18n::testing {

using ::tavelor::testing::TempFolder;

struct ShownBox {
  std::string text;
  std::string title;
  Icon icon;
  Buttons buttons;
};

class RecordingBoxes : public MessageBoxes {
 public:
  Answer showMessage(const std::string& text, const std::string& title, Icon icon,
                     Buttons buttons) override {
    shown.push_back({text, title, icon, buttons});
    return Answer::Ok;
  }
  std::vector<ShownBox> shown;
};

// Records every caption and tool tip in the order they were set.
class RecordingCaptions : public CaptionTarget {
 public:
  struct Set {
    std::string control;
    std::string text;
    bool toolTip;
    bool operator==(const Set&) const = default;
  };
  void setCaption(const std::string& control, const std::string& text) override {
    sets.push_back({control, text, false});
  }
  void setToolTip(const std::string& control, const std::string& text) override {
    sets.push_back({control, text, true});
  }
  std::vector<Set> sets;
};

}  // namespace tavelor::i18n::testing

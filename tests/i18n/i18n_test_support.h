#pragma once

#include <string>

#include "i18n/caption_target.h"
#include "support/language_folder.h"

namespace tavelor::i18n::testing {

using ::tavelor::testing::FakeInputWindow;  // records the message boxes
using ::tavelor::testing::TempFolder;

// Writes down every caption ("control=text|") and tool tip ("control.tip=text|") in order.
class RecordingCaptions : public CaptionTarget {
 public:
  void setCaption(const std::string& control, const std::string& text) override {
    log += control + "=" + text + "|";
  }
  void setToolTip(const std::string& control, const std::string& text) override {
    log += control + ".tip=" + text + "|";
  }
  std::string log;
};

}  // namespace tavelor::i18n::testing

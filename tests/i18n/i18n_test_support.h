#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "i18n/caption_target.h"
#include "i18n/message_box.h"

namespace tavelor::i18n::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavelor-i18n-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> names() const {
    std::vector<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      result.push_back(entry.path().filename().string());
    }
    return result;
  }

 private:
  std::string path_;
};

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

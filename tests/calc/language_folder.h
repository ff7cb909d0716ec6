#pragma once

#include <stdlib.h>  // mkdtemp

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include "i18n/language.h"
#include "support/fake_window.h"

namespace tavelor::calc::test {

// A program folder in the temporary directory holding one small language file, and a language
// module reading it. Messages and titles shown by the calculation come from here.
class LanguageFolder {
 public:
  static constexpr const char* kPanelMessage = "Bad panels";
  static constexpr const char* kCentringMessage = "Bad centring";
  static constexpr const char* kTitle = "Tavelor";

  LanguageFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavelor-calc-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    if (made == nullptr) throw std::runtime_error("cannot create " + pattern);
    folder_ = made;
    std::ofstream(folder_ / "test.lng", std::ios::binary)
        << "[Message]\r\n1=" << kPanelMessage << "\r\n2=" << kCentringMessage
        << "\r\n[Label]\r\n0=" << kTitle << "\r\n";
    module = std::make_unique<i18n::LanguageModule>(folder_.string(), faults);
    module->setLanguage("test");
  }
  ~LanguageFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  LanguageFolder(const LanguageFolder&) = delete;
  LanguageFolder& operator=(const LanguageFolder&) = delete;

  tavelor::testing::FakeInputWindow faults;  // INI faults would be reported here
  std::unique_ptr<i18n::LanguageModule> module;

 private:
  std::filesystem::path folder_;
};

}  // namespace tavelor::calc::test

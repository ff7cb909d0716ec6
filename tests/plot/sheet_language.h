#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "i18n/language.h"
#include "support/fake_print_window.h"

namespace tavelor::plot::test {

// A program folder in the temp directory with one Windows-1252 language file, "Test.lng", and a
// language module reading it. Label 13 holds an accented letter to show the sheet gets UTF-8.
class SheetLanguage {
 public:
  SheetLanguage() {
    folder_ = std::filesystem::temp_directory_path() /
              ("tavelor-plot-" + std::to_string(::getpid()) + "-" + std::to_string(++count()));
    std::filesystem::create_directories(folder_);
    std::ofstream file(folder_ / "Test.lng", std::ios::binary);
    file << "[Label]\r\n0=Tavelor\r\n1=Root chord\r\n2=Tip chord\r\n3=Panel length\r\n"
            "4=Sweep\r\n5=Centring %\r\n6=Span\r\n7=Area\r\n8=Aspect ratio\r\n9=Distance X\r\n"
            "10=Mean chord\r\n11=Centring distance\r\n12=Panel\r\n13=Entr\xE9"
            "es\r\n14=Results\r\n15=Mass\r\n16=Wing loading\r\n"
            "[Print]\r\n1=Scale\r\n2=Sheet:\r\n3=Date:\r\n"
            "[Message]\r\n10=Nothing to print yet\r\n11=Print on\r\n12=Name of the sheet?\r\n"
            "13=Print\r\n14=My wing\r\n15=Sheet sent to the printer\r\n16=Printer fault\r\n";
    file.close();
    module = std::make_unique<i18n::LanguageModule>(folder_.string(), faults);
    module->setLanguage("Test");
  }
  ~SheetLanguage() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  SheetLanguage(const SheetLanguage&) = delete;
  SheetLanguage& operator=(const SheetLanguage&) = delete;

  i18n::LanguageModule& operator*() { return *module; }

  testing::FakeInputWindow faults;  // INI faults would land here; none are expected
  std::unique_ptr<i18n::LanguageModule> module;

 private:
  static int& count() {
    static int n = 0;
    return n;
  }
  std::filesystem::path folder_;
};

}  // namespace tavelor::plot::test

#pragma once

#include <stdlib.h>  // mkdtemp

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "i18n/language.h"
#include "support/fake_window.h"

namespace tavelor::testing {

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavelor-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot create " + pattern);
    path_ = pattern;
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
    std::ofstream(file(name), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string read(const std::string& name) const { return readFile(file(name)); }
  // The folder's entry names, sorted.
  std::vector<std::string> names() const {
    std::vector<std::string> result;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      result.push_back(entry.path().filename().string());
    }
    std::sort(result.begin(), result.end());
    return result;
  }

 private:
  std::string path_;
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

// A program folder holding one language file, and a language module reading it with that
// language set. INI faults land in `faults`.
class LanguageFolder {
 public:
  explicit LanguageFolder(const IniSections& sections = {}, const std::string& name = "test") {
    folder.write(name + ".lng", languageFileBytes(sections));
    module.setLanguage(name);
  }
  i18n::Language& operator*() { return module; }

  TempFolder folder;
  FakeInputWindow faults;
  i18n::Language module{folder.path(), faults};
};

}  // namespace tavelor::testing

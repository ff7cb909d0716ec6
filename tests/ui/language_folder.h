#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace tavelor::ui::testing {

// A fresh program folder under the system's temporary folder, removed with everything in it.
class ProgramFolder {
 public:
  ProgramFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavelor-ui-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ProgramFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ProgramFolder(const ProgramFolder&) = delete;
  ProgramFolder& operator=(const ProgramFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  void write(const std::string& name, const std::string& bytes) const {
    std::ofstream(file(name), std::ios::binary | std::ios::trunc) << bytes;
  }
  std::string read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::string path_;
};

using IniSections = std::map<std::string, std::map<std::string, std::string>>;

// INI text with CR LF line ends; ASCII only, so it is the same in Windows-1252.
inline std::string iniText(const IniSections& sections) {
  std::string text;
  for (const auto& [section, keys] : sections) {
    text += "[" + section + "]\r\n";
    for (const auto& [key, value] : keys) text += key + "=" + value + "\r\n";
  }
  return text;
}

// A language of the tests: every main-window text tagged with the language's mark, so a test
// sees at once which language a caption came from.
inline std::string languageText(const std::string& mark) {
  IniSections sections;
  auto& file = sections["File"];
  for (int key = 0; key <= 4; ++key)
    file[std::to_string(key)] = mark + " file " + std::to_string(key);
  sections["language"]["1"] = mark + " language";
  sections["language"]["2"] = mark + " choose";
  auto& help = sections["Help"];
  for (int key = 0; key <= 2; ++key)
    help[std::to_string(key)] = mark + " help " + std::to_string(key);
  auto& label = sections["Label"];
  for (int key = 0; key <= 16; ++key) {
    label[std::to_string(key)] = mark + " label " + std::to_string(key);
  }
  auto& button = sections["Button"];
  for (int key = 1; key <= 4; ++key)
    button[std::to_string(key)] = mark + " button " + std::to_string(key);
  sections["ToolTipText"]["1"] = mark + " tip";
  auto& message = sections["Message"];
  for (int key = 1; key <= 16; ++key) {
    message[std::to_string(key)] = mark + " message " + std::to_string(key);
  }
  message["14"] = mark + " sheet";
  sections["About"]["1"] = mark + " about";
  sections["About"]["2"] = "Tavelor " + mark;
  return iniText(sections);
}

}  // namespace tavelor::ui::testing

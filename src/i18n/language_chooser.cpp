#include "i18n/language_chooser.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/cp1252.h"
#include "i18n/translate.h"

namespace tavelor::i18n {
namespace {

namespace fs = std::filesystem;

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool lessIgnoringCase(const std::string& a, const std::string& b) {
  const auto lower = [](std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), lowerAscii);
    return text;
  };
  const auto la = lower(a);
  const auto lb = lower(b);
  return la != lb ? la < lb : a < b;
}

bool isLanguageFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}

}  // namespace

bool matchesNamePattern(const std::string& name, const std::string& pattern) {
  // Iterative glob with one backtrack point: linear enough for file names, never recursive.
  size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (p < pattern.size() &&
               (pattern[p] == '?' || lowerAscii(pattern[p]) == lowerAscii(name[n]))) {
      ++p;
      ++n;
    } else if (starP != std::string::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

std::vector<std::string> listLanguages(const std::string& folder, const std::string& pattern) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(fs::path(folder), error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const std::string fileName = it->path().filename().string();
    if (!matchesNamePattern(fileName, pattern) || fileName.size() <= 4) continue;
    if (!isLanguageFile(it->path())) continue;
    std::string name = fileName.substr(0, fileName.size() - 4);
    if (!base::fitsCp1252(name)) continue;
    if (!isLanguageFile(fs::path(folder) / (name + kLanguageExtension))) continue;
    names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), lessIgnoringCase);
  // "Name.lng" and "Name.LNG" side by side are one language.
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

LanguageChooser::LanguageChooser(Language& language, CaptionTarget& mainWindow, ChooserView& view)
    : language_(language), mainWindow_(mainWindow), view_(view) {}

void LanguageChooser::open() {
  choiceMade_ = false;
  view_.clearItems();
  fillLanguageList(language_.programFolder() + base::kSeparator, kLanguagePattern);
  if (language_.firstStart) {
    // No language file is known yet: the window keeps its built-in texts.
    view_.setCaption(kChooserBuiltInCaption);
    view_.setEditText(kChooserBuiltInText);
    return;
  }
  view_.setCaption(language_.text("LANGUAGE", "2"));
  // The box shows the stored choice; closing without a new one leaves the current language alone.
  const std::string stored = language_.readStoredLanguage();
  view_.setEditText(stored.empty() ? language_.currentLanguage : stored);
}

void LanguageChooser::fillLanguageList(const std::string& folder, const std::string& pattern) {
  view_.processEvents();
  listed_ = listLanguages(folder, pattern);
  for (const auto& name : listed_) view_.addItem(name);
}

void LanguageChooser::itemPicked() { choiceMade_ = true; }

void LanguageChooser::okPressed() {
  if (choiceMade_) {
    const auto picked = view_.selectedItemText();
    // Applies only what the box shows and what can be loaded; anything else closes unchanged.
    if (picked && view_.editText() == *picked && usable(*picked)) {
      language_.setLanguage(*picked);
      language_.storeLanguage(*picked);  // a failure is reported by the write itself
      translate(language_, mainWindow_);
    }
  }
  view_.close();
}

bool LanguageChooser::usable(const std::string& name) const {
  if (std::find(listed_.begin(), listed_.end(), name) == listed_.end()) return false;
  return isLanguageFile(fs::path(language_.programFolder()) / (name + kLanguageExtension));
}

}  // namespace tavelor::i18n

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "i18n/caption_target.h"
#include "i18n/language.h"

namespace tavelor::i18n {

// The built-in texts of the chooser window, shown at the first start when no language is known.
inline constexpr const char* kChooserBuiltInCaption = "Select your Language";
inline constexpr const char* kChooserBuiltInText = "Select";
inline constexpr const char* kLanguagePattern = "*.lng";

// The chooser window as its logic sees it: an editable drop-down box of languages, the OK
// button and the window itself. The window layer implements it and calls the LanguageChooser
// handlers from its events.
class ChooserView {
 public:
  virtual ~ChooserView() = default;
  // Lets the toolkit handle pending events (repaints) before the folder is listed.
  virtual void processEvents() = 0;
  virtual void setCaption(const std::string& text) = 0;
  virtual void clearItems() = 0;
  virtual void addItem(const std::string& text) = 0;
  virtual void setEditText(const std::string& text) = 0;
  // The text in the box's edit field, typed or picked.
  virtual std::string editText() const = 0;
  // The text of the list item that is selected, if one is.
  virtual std::optional<std::string> selectedItemText() const = 0;
  virtual void close() = 0;
};

// True when name matches a pattern of "*" (any run) and "?" (any one byte), ignoring ASCII case.
bool matchesNamePattern(const std::string& name, const std::string& pattern);

// The languages offered in folder: for each ordinary file whose name matches pattern, the name
// without its last four characters, sorted alphabetically (ASCII case ignored). A name is left
// out when it could not be used: empty, not storable in tv.ini (Windows-1252), or when no file
// named exactly name + ".lng" exists (a "Name.LNG" on a case-sensitive file system).
// A missing or unreadable folder gives an empty list.
std::vector<std::string> listLanguages(const std::string& folder, const std::string& pattern);

// The logic of the chooser window; one instance per opening of the window.
class LanguageChooser {
 public:
  LanguageChooser(Language& language, CaptionTarget& mainWindow, ChooserView& view);

  // The window opens: list rebuilt, caption and box set (built-in texts at the first start,
  // otherwise the current language's caption and the stored language's name, or the current
  // language's when none is stored).
  void open();
  // Fills the box's list with the languages of folder (see listLanguages).
  void fillLanguageList(const std::string& folder, const std::string& pattern);
  // The user picked an item of the list, by mouse or keyboard.
  void itemPicked();
  // OK: when an item was picked and the box still shows it, and its language file still exists,
  // stores it in tv.ini, makes it current and translates the main window; then closes.
  void okPressed();

  bool choiceMade() const { return choiceMade_; }
  const std::vector<std::string>& listedLanguages() const { return listed_; }

 private:
  bool usable(const std::string& name) const;

  Language& language_;
  CaptionTarget& mainWindow_;
  ChooserView& view_;
  bool choiceMade_ = false;
  std::vector<std::string> listed_;
};

}  // namespace tavelor::i18n

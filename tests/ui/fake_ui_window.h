#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "i18n/language_chooser.h"
#include "support/fake_window.h"
#include "support/language_folder.h"
#include "support/recording_page.h"
#include "ui/window.h"

namespace tavelor::ui::testing {

using ::tavelor::testing::IniSections;
using ::tavelor::testing::languageFileBytes;
using ::tavelor::testing::TempFolder;

// A language of the tests: every main-window text tagged with the language's mark, so a test
// sees at once which language a caption came from.
inline std::string languageText(const std::string& mark) {
  IniSections sections;
  const auto numbered = [&](const std::string& section, const std::string& word, int first,
                            int last) {
    for (int key = first; key <= last; ++key) {
      sections[section][std::to_string(key)] = mark + " " + word + " " + std::to_string(key);
    }
  };
  numbered("File", "file", 0, 4);
  numbered("Help", "help", 0, 2);
  numbered("Label", "label", 0, 16);
  numbered("Button", "button", 1, 4);
  numbered("Message", "message", 1, 16);
  sections["language"] = {{"1", mark + " language"}, {"2", mark + " choose"}};
  sections["ToolTipText"]["1"] = mark + " tip";
  sections["Message"]["14"] = mark + " sheet";
  sections["About"] = {{"1", mark + " about"}, {"2", "Tavelor " + mark}};
  return languageFileBytes(sections);
}

// The chooser window as a user answers it: a name to pick from the list and confirm, or nothing
// to close the window without a choice.
class ScriptedChooserView : public i18n::ChooserView {
 public:
  void processEvents() override {}
  void setCaption(const std::string& text) override { caption = text; }
  void clearItems() override { items.clear(); }
  void addItem(const std::string& text) override { items.push_back(text); }
  void setEditText(const std::string& text) override { edit = text; }
  std::string editText() const override { return edit; }
  std::optional<std::string> selectedItemText() const override { return selected; }
  void close() override { closed = true; }

  std::string caption;
  std::vector<std::string> items;
  std::string edit;
  std::optional<std::string> selected;
  bool closed = false;
};

// What the user saw when the chooser opened.
struct ChooserOpening {
  bool firstStart;
  std::string caption;
  std::string editText;
  std::vector<std::string> items;
};

// The main window with every port recorded: fields, captions and message boxes from
// FakeInputWindow, the plan as a RecordingSurface, and scripted secondary windows and dialogs.
class FakeUiWindow : public ::tavelor::testing::FakeInputWindow, public Window {
 public:
  // Window
  plot::DrawingSurface& planSurface() override { return plan; }
  void clearPlan() override {
    FakeInputWindow::clearPlan();
    plan.clear();
  }
  void showLanguageChooser(i18n::LanguageModule& language) override {
    ScriptedChooserView view;
    i18n::LanguageChooser chooser(language, *this, view);
    chooser.open();
    chooserOpenings.push_back({language.firstStart, view.caption, view.edit, view.items});
    std::optional<std::string> answer;
    if (!chooserAnswers.empty()) {
      answer = chooserAnswers.front();
      chooserAnswers.pop_front();
    }
    if (answer) {
      view.selected = *answer;
      view.edit = *answer;
      chooser.itemPicked();
      chooser.okPressed();
    } else {
      chooser.closedByUser();
    }
  }
  void showAbout(const AboutTexts& texts) override { abouts.push_back(texts); }
  void showHelp(const HelpTexts& texts) override { helps.push_back(texts); }
  void endProgram() override { ++ends; }

  // CaptionTarget
  void setCaption(const std::string& control, const std::string& text) override {
    captions[control] = text;
  }
  void setToolTip(const std::string& control, const std::string& text) override {
    toolTips[control] = text;
  }

  // PrintWindow
  void setBusyPointer(bool) override {}
  std::string promptText(const std::string& prompt, const std::string&,
                         const std::string& proposed) override {
    prompts.push_back(prompt);
    return proposed;
  }
  std::unique_ptr<plot::PageSurface> openPage() override {
    return std::make_unique<::tavelor::testing::RecordingPage>(page);
  }
  std::string shortDate() const override { return "06/12/2026"; }

  // FileWindow
  std::optional<std::string> askSaveFileName(const files::FileDialogRequest&) override {
    return filePath;
  }
  std::optional<std::string> askOpenFileName(const files::FileDialogRequest&) override {
    return filePath;
  }

  ::tavelor::testing::RecordingSurface plan;
  std::deque<std::optional<std::string>> chooserAnswers;  // nothing left: the user closes it
  std::vector<ChooserOpening> chooserOpenings;
  std::vector<AboutTexts> abouts;
  std::vector<HelpTexts> helps;
  std::map<std::string, std::string> captions;
  std::map<std::string, std::string> toolTips;
  std::vector<std::string> prompts;
  std::shared_ptr<::tavelor::testing::PageRecord> page =
      std::make_shared<::tavelor::testing::PageRecord>();
  std::optional<std::string> filePath;  // the answer of both file dialogs
  int ends = 0;
};

}  // namespace tavelor::ui::testing

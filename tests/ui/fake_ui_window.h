#pragma once

#include <memory>
#include <optional>

#include "i18n/language_chooser.h"
#include "support/fake_window.h"
#include "support/language_folder.h"
#include "support/recording_page.h"
#include "ui/window.h"

namespace tavelor::ui::testing {

// A language of the tests: every text names its language, section and key, so a test sees at
// once where a caption came from.
inline std::string languageText(const std::string& mark) {
  ::tavelor::testing::IniSections sections;
  for (const char* section : {"File", "Help", "Label", "Button", "Message", "About"}) {
    for (int key = 0; key <= 16; ++key) {
      sections[section][std::to_string(key)] = mark + " " + section + " " + std::to_string(key);
    }
  }
  return ::tavelor::testing::languageFileBytes(sections);
}

// The main window with every port recorded: fields, captions and message boxes from
// FakeInputWindow, the plan as a RecordingSurface, and scripted secondary windows and dialogs.
// It is also the chooser window, answered from chooserAnswers: a name picked and confirmed, or
// closed without one.
class FakeUiWindow : public ::tavelor::testing::FakeInputWindow,
                     public Window,
                     public i18n::ChooserView {
 public:
  plot::DrawingSurface& planSurface() override { return plan; }
  void clearPlan() override {
    FakeInputWindow::clearPlan();
    plan.clear();
  }
  void showLanguageChooser(i18n::Language& language) override {
    i18n::LanguageChooser chooser(language, *this, *this);
    chooser.open();
    chooserFirstStarts.push_back(language.firstStart);
    const auto answer = chooserAnswers.empty() ? std::nullopt : chooserAnswers.front();
    if (!chooserAnswers.empty()) chooserAnswers.pop_front();
    if (!answer) return chooser.closedByUser();
    edit = *answer;
    chooser.itemPicked();
    chooser.okPressed();
  }
  void showAbout(const AboutTexts& texts) override { abouts.push_back(texts); }
  void showHelp(const HelpTexts& texts) override { helps.push_back(texts); }
  void endProgram() override { ++ends; }
  void setCaption(const std::string& control, const std::string& text) override {
    captions[control] = text;
  }
  void setToolTip(const std::string&, const std::string&) override {}
  void setBusyPointer(bool) override {}
  std::string promptText(const std::string&, const std::string&,
                         const std::string& proposed) override {
    return proposed;  // the proposed sheet name, confirmed
  }
  std::unique_ptr<plot::PageSurface> openPage() override {
    return std::make_unique<::tavelor::testing::RecordingPage>(page);
  }
  std::string shortDate() const override { return "06/12/2026"; }
  std::optional<std::string> askSaveFileName(const files::FileDialogRequest&) override {
    return filePath;
  }
  std::optional<std::string> askOpenFileName(const files::FileDialogRequest&) override {
    return filePath;
  }

  void processEvents() override {}
  void setCaption(const std::string&) override {}
  void clearItems() override {}
  void addItem(const std::string&) override {}
  void setEditText(const std::string& text) override { edit = text; }
  std::string editText() const override { return edit; }
  std::optional<std::string> selectedItemText() const override { return edit; }
  void close() override {}

  std::string edit;
  ::tavelor::testing::RecordingSurface plan;
  std::deque<std::optional<std::string>> chooserAnswers;  // nothing left: the user closes it
  std::vector<bool> chooserFirstStarts;
  std::vector<AboutTexts> abouts;
  std::vector<HelpTexts> helps;
  std::map<std::string, std::string> captions;
  std::shared_ptr<::tavelor::testing::PageRecord> page =
      std::make_shared<::tavelor::testing::PageRecord>();
  std::optional<std::string> filePath;  // the answer of both file dialogs
  int ends = 0;
};

}  // namespace tavelor::ui::testing

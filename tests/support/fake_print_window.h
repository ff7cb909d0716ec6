#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plot/print_window.h"
#include "support/fake_window.h"
#include "support/recording_page.h"

namespace tavelor::testing {

struct ShownPrompt {
  std::string prompt;
  std::string title;
  std::string proposed;
};

// The main window as the print command sees it. Its pages are RecordingPages sharing `page`;
// the busy pointer and every message box are written into the same journal (page->log) as
// "pointer busy" / "pointer normal" / "message <icon> '<text>'", so one list shows the order.
class FakePrintWindow : public FakeInputWindow, public plot::PrintWindow {
 public:
  void setBusyPointer(bool busy) override {
    this->busy = busy;
    page->log.push_back(busy ? "pointer busy" : "pointer normal");
  }
  std::string promptText(const std::string& prompt, const std::string& title,
                         const std::string& proposed) override {
    prompts.push_back({prompt, title, proposed});
    return promptAnswer ? *promptAnswer : proposed;
  }
  std::unique_ptr<plot::PageSurface> openPage() override {
    ++pagesOpened;
    if (openFails) throw plot::PageError("no printer");
    return std::make_unique<RecordingPage>(page);
  }
  std::string shortDate() const override { return date; }

  base::Answer showMessage(const std::string& text, const std::string& title, base::Icon icon,
                           base::Buttons buttons) override {
    page->log.push_back("message " + iconName(icon) + " '" + text + "'");
    return FakeInputWindow::showMessage(text, title, icon, buttons);
  }

  static std::string iconName(base::Icon icon) {
    switch (icon) {
      case base::Icon::None:
        return "none";
      case base::Icon::Warning:
        return "warning";
      case base::Icon::Critical:
        return "critical";
      case base::Icon::Information:
        return "information";
      case base::Icon::Question:
        return "question";
    }
    return "?";
  }

  std::shared_ptr<PageRecord> page = std::make_shared<PageRecord>();
  bool busy = false;
  bool openFails = false;
  int pagesOpened = 0;
  std::string date = "06/12/2026";
  std::optional<std::string> promptAnswer;  // empty: the user accepts what is proposed
  std::vector<ShownPrompt> prompts;
};

}  // namespace tavelor::testing

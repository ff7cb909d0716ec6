#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "files/file_window.h"
#include "support/fake_window.h"

namespace tavelor::testing {

// The recording window with scripted file dialogs: each dialog takes the next scripted answer
// (a full path, or nothing for Cancel); with no answer left it is cancelled.
class FakeFileWindow : public FakeInputWindow, public files::FileWindow {
 public:
  std::optional<std::string> askSaveFileName(const files::FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return next(saveAnswers);
  }
  std::optional<std::string> askOpenFileName(const files::FileDialogRequest& request) override {
    openRequests.push_back(request);
    return next(openAnswers);
  }

  std::deque<std::optional<std::string>> saveAnswers;
  std::deque<std::optional<std::string>> openAnswers;
  std::vector<files::FileDialogRequest> saveRequests;
  std::vector<files::FileDialogRequest> openRequests;

 private:
  static std::optional<std::string> next(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

}  // namespace tavelor::testing

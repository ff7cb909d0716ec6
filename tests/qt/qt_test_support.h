#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "qt/main_window.h"

namespace tavelor::qt::testing {

// A program folder holding the shipped language files and a tv.ini naming English.
inline std::unique_ptr<QTemporaryDir> programFolder() {
  auto folder = std::make_unique<QTemporaryDir>();
  const QDir languages(QStringLiteral(TAVELOR_LANG_DIR));
  for (const QString& name : languages.entryList({QStringLiteral("*.lng")}, QDir::Files)) {
    QFile::copy(languages.filePath(name), folder->filePath(name));
  }
  QFile ini(folder->filePath(QStringLiteral("tv.ini")));
  if (ini.open(QIODevice::WriteOnly)) ini.write("[Langue]\r\n1=English\r\n");
  return folder;
}

// The main window of a program folder, started and shown ready; null when start-up ended it.
inline std::unique_ptr<MainWindow> startedWindow(const QTemporaryDir& folder) {
  auto window = std::make_unique<MainWindow>(folder.path(), QStringLiteral("."),
                                             [] { return std::string("06/12/2026"); });
  if (!window->startUp()) return nullptr;
  window->showReady();
  return window;
}

struct ModalAnswer {
  bool answered = false;  // the modal window came and was given to the answer
  bool leftOpen = false;  // the answer did not close it: it was closed by force
};

// Answers the next modal window once it is up: `answer` gets it and should close it. A window
// still open afterwards is closed by force and reported, so a wrong expectation fails the test
// instead of hanging it.
inline std::shared_ptr<ModalAnswer> answerNextModal(std::function<void(QWidget*)> answer,
                                                    int triesLeft = 500,
                                                    std::shared_ptr<ModalAnswer> state = {}) {
  if (!state) state = std::make_shared<ModalAnswer>();
  QTimer::singleShot(10, [state, answer, triesLeft] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      if (triesLeft > 0) answerNextModal(answer, triesLeft - 1, state);
      return;
    }
    state->answered = true;
    answer(modal);
    QTimer::singleShot(300, [state, modal = QPointer<QWidget>(modal)] {
      if (modal && modal->isVisible()) {
        state->leftOpen = true;
        modal->close();
      }
    });
  });
  return state;
}

}  // namespace tavelor::qt::testing

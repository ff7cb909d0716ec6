#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "qt/main_window.h"

namespace tavelor::qt::testing {

// A program folder holding the shipped language files and, when given, a tv.ini naming one.
inline std::unique_ptr<QTemporaryDir> programFolder(const QByteArray& storedLanguage = "English") {
  auto folder = std::make_unique<QTemporaryDir>();
  const QDir languages(QStringLiteral(TAVELOR_LANG_DIR));
  for (const QString& name : languages.entryList({QStringLiteral("*.lng")}, QDir::Files)) {
    QFile::copy(languages.filePath(name), folder->filePath(name));
  }
  if (!storedLanguage.isEmpty()) {
    QFile ini(folder->filePath(QStringLiteral("tv.ini")));
    if (ini.open(QIODevice::WriteOnly)) ini.write("[Langue]\r\n1=" + storedLanguage + "\r\n");
  }
  return folder;
}

// The main window of a program folder, started and shown ready, its date 06/12/2026; null when
// the start-up ended the program.
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

namespace detail {
inline void pollForModal(std::shared_ptr<ModalAnswer> state,
                         std::shared_ptr<std::function<void(QWidget*)>> answer, int triesLeft) {
  QTimer::singleShot(10, [state, answer, triesLeft] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
      if (triesLeft > 0) pollForModal(state, answer, triesLeft - 1);
      return;
    }
    state->answered = true;
    (*answer)(modal);
    QTimer::singleShot(300, [state, modal = QPointer<QWidget>(modal)] {
      if (modal && modal->isVisible()) {
        state->leftOpen = true;
        modal->close();
      }
    });
  });
}
}  // namespace detail

// Answers the next modal window once it is up: `answer` gets it and should close it. A window
// still open afterwards is closed by force and reported, so a wrong expectation fails the test
// instead of hanging it.
inline std::shared_ptr<ModalAnswer> answerNextModal(std::function<void(QWidget*)> answer) {
  auto state = std::make_shared<ModalAnswer>();
  detail::pollForModal(state, std::make_shared<std::function<void(QWidget*)>>(std::move(answer)),
                       500);
  return state;
}

}  // namespace tavelor::qt::testing

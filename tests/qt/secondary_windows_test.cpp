// The language chooser, About and Help windows for real, opened from the main window's menus as
// modal windows and answered with the keyboard.

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "qt/language_chooser_dialog.h"
#include "qt/main_window.h"
#include "qt_test_support.h"

namespace tavelor::qt {

class SecondaryWindowsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<MainWindow> window_;

  void trigger(const QString& action) { window_->findChild<QAction*>(action)->trigger(); }

 private slots:
  void init() {
    folder_ = testing::programFolder();
    window_ = testing::startedWindow(*folder_);
    QVERIFY(window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  // Only an item picked from the list is a choice; typed text, or a pick edited afterwards or
  // closed with Escape, leaves the language as it was.
  void chooserAppliesOnlyAPickedItem_data() {
    QTest::addColumn<bool>("pick");
    QTest::addColumn<QString>("typedAfter");
    QTest::addColumn<int>("closeKey");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typed name") << false << QString("Deutsch") << int(Qt::Key_Return)
                                << QString("English");
    QTest::newRow("picked") << true << QString() << int(Qt::Key_Return)
                            << QString::fromUtf8("Français");
    QTest::newRow("picked, then edited")
        << true << QString("Deutsch") << int(Qt::Key_Return) << QString("English");
    QTest::newRow("picked, then Escape")
        << true << QString() << int(Qt::Key_Escape) << QString("English");
  }

  void chooserAppliesOnlyAPickedItem() {
    QFETCH(bool, pick);
    QFETCH(QString, typedAfter);
    QFETCH(int, closeKey);
    QFETCH(QString, expected);
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      auto* chooser = qobject_cast<LanguageChooserDialog*>(modal);
      if (!chooser) return;
      QLineEdit* edit = chooser->combo()->lineEdit();
      if (pick) QTest::keyClick(edit, Qt::Key_Down);
      if (!typedAfter.isEmpty()) {
        edit->selectAll();
        QTest::keyClicks(edit, typedAfter);
      }
      QTest::keyClick(edit, static_cast<Qt::Key>(closeKey));
    });
    trigger(QStringLiteral("languageItem"));
    QVERIFY(answer->answered && !answer->leftOpen);
    QCOMPARE(QString::fromStdString(window_->form().language().currentLanguage), expected);
  }

  void aboutAndHelpCloseWithEscape_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::newRow("About") << QString("aboutItem") << QString("About Tavelor");
    QTest::newRow("Help") << QString("helpItem") << QString("Informations :");
  }

  void aboutAndHelpCloseWithEscape() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QString shown;
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      shown = modal->windowTitle();
      QTest::keyClick(modal, Qt::Key_Escape);
    });
    trigger(menu);
    QVERIFY(answer->answered && !answer->leftOpen);
    QCOMPARE(shown, caption);
  }
};

}  // namespace tavelor::qt

QTEST_MAIN(tavelor::qt::SecondaryWindowsTest)
#include "secondary_windows_test.moc"

// The language chooser, About and Help windows for real, opened from the main window's menus as
// modal windows and answered with the keyboard and the mouse.

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "qt/language_chooser_dialog.h"
#include "qt/main_window.h"
#include "qt_test_support.h"

namespace tavelor::qt {

class SecondaryWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<MainWindow> window_;

  void trigger(const char* action) {
    window_->findChild<QAction*>(QString::fromLatin1(action))->trigger();
  }
  QString fileMenuTitle() const {
    return window_->findChild<QMenu*>(QStringLiteral("mnufile"))->title();
  }
  QByteArray storedSettings() const {
    QFile ini(folder_->filePath(QStringLiteral("tv.ini")));
    return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
  }

 private slots:
  void init() {
    folder_ = testing::programFolder("English");
    window_ = testing::startedWindow(*folder_);
    QVERIFY(window_);
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  void firstStartInsistsOnALanguage() {
    window_.reset();
    folder_ = testing::programFolder("");
    window_ = std::make_unique<MainWindow>(folder_->path(), QStringLiteral("."),
                                           [] { return std::string(); });
    QStringList seen;
    std::shared_ptr<testing::ModalAnswer> message, second;
    auto first = testing::answerNextModal([&](QWidget* modal) {
      seen << modal->windowTitle()
           << qobject_cast<QComboBox*>(modal->findChild<QComboBox*>())->currentText();
      QTest::keyClick(modal, Qt::Key_Escape);
      message = testing::answerNextModal([&](QWidget* box) {
        seen << box->windowTitle() << qobject_cast<QMessageBox*>(box)->text();
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
        second = testing::answerNextModal([&](QWidget* again) {
          auto* chooser = qobject_cast<LanguageChooserDialog*>(again);
          QTest::keyClick(chooser->combo()->lineEdit(), Qt::Key_Down);
          chooser->okButton()->click();
        });
      });
    });
    QVERIFY(window_->startUp());
    QVERIFY(first->answered && message && message->answered && second && second->answered);
    QCOMPARE(seen,
             QStringList({"Select your Language", "Select", "tv", "Please select a language"}));
    QCOMPARE(window_->form().language().currentLanguage, std::string("Deutsch"));
    QVERIFY(storedSettings().contains("1=Deutsch"));
  }

  void noLanguageFileEndsTheProgramAfterSayingSo() {
    window_.reset();
    QTemporaryDir empty;
    window_ = std::make_unique<MainWindow>(empty.path(), QStringLiteral("."),
                                           [] { return std::string(); });
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      text = box->text();
      icon = box->icon();
      box->button(QMessageBox::Ok)->click();
    });
    QVERIFY(!window_->startUp());
    QVERIFY(answer->answered);
    QVERIFY(text.contains(empty.path()));
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(window_->endRequested());
  }

  void chooserFromTheMenuShowsTheCurrentLanguage() {
    QString caption, edit;
    QStringList items;
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      auto* chooser = qobject_cast<LanguageChooserDialog*>(modal);
      if (!chooser) return;
      caption = chooser->windowTitle();
      edit = chooser->combo()->currentText();
      for (int i = 0; i < chooser->combo()->count(); ++i) items << chooser->combo()->itemText(i);
      chooser->okButton()->click();
    });
    trigger("mnulang");
    QVERIFY(answer->answered);
    QVERIFY(!answer->leftOpen);
    QCOMPARE(caption, QStringLiteral("Choose your language"));
    QCOMPARE(edit, QStringLiteral("English"));
    QCOMPARE(items, QStringList({"Deutsch", "English", QString::fromUtf8("Français")}));
    QCOMPARE(fileMenuTitle(), QStringLiteral("&File"));
  }

  void chooserAppliesOnlyAPickedItem_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typed name, OK") << QString("type") << QString("English");
    QTest::newRow("typed name, Enter") << QString("type-enter") << QString("English");
    QTest::newRow("closed by Escape after a pick") << QString("pick-escape") << QString("English");
    QTest::newRow("picked with the keyboard") << QString("key") << QString::fromUtf8("Français");
    QTest::newRow("picked with the mouse") << QString("mouse") << QString("Deutsch");
    QTest::newRow("picked, then the text edited") << QString("key-edit") << QString("English");
  }

  void chooserAppliesOnlyAPickedItem() {
    QFETCH(QString, how);
    QFETCH(QString, expected);
    const QByteArray before = storedSettings();
    bool picked = false;
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      auto* chooser = qobject_cast<LanguageChooserDialog*>(modal);
      if (!chooser) return;
      QComboBox* combo = chooser->combo();
      QLineEdit* edit = combo->lineEdit();
      if (how.startsWith(QLatin1String("type"))) {
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("Deutsch"));
      }
      if (how.startsWith(QLatin1String("key"))) QTest::keyClick(edit, Qt::Key_Down);
      if (how == QLatin1String("mouse")) {
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(combo->model()->index(0, 0)).center());
      }
      if (how == QLatin1String("pick-escape")) QTest::keyClick(edit, Qt::Key_Down);
      if (how.endsWith(QLatin1String("-edit"))) {
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("Deutsch"));
      }
      picked = how == QLatin1String("key") || how == QLatin1String("mouse");
      if (how == QLatin1String("type-enter")) {
        QTest::keyClick(edit, Qt::Key_Return);
      } else if (how == QLatin1String("pick-escape")) {
        QTest::keyClick(edit, Qt::Key_Escape);
      } else {
        chooser->okButton()->click();
      }
    });
    trigger("mnulang");
    QVERIFY(answer->answered);
    QVERIFY(!answer->leftOpen);
    QCOMPARE(QString::fromStdString(window_->form().language().currentLanguage), expected);
    if (expected == QLatin1String("English")) {
      QCOMPARE(fileMenuTitle(), QStringLiteral("&File"));
      QCOMPARE(storedSettings(), before);
    } else {
      QVERIFY(picked);
      QVERIFY(fileMenuTitle() != QStringLiteral("&File"));
      QVERIFY(storedSettings() != before);
    }
  }

  void aboutAndHelpShowTheLanguagesTexts_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<int>("key");  // closes the window
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("labels");  // object name, then a piece of its text
    const QString version = QStringLiteral("Version %1.%2.%3 - English")
                                .arg(TAVELOR_VERSION_MAJOR)
                                .arg(TAVELOR_VERSION_MINOR)
                                .arg(TAVELOR_VERSION_PATCH);
    QTest::newRow("About") << QString("nmuabout") << int(Qt::Key_Return) << QString("About Tavelor")
                           << QStringList{"lblVersion", version, "lblDescription",
                                          "Mean aerodynamic chord, centre of gravity\nand"};
    QTest::newRow("Help") << QString("mnuhlp") << int(Qt::Key_Escape) << QString("Informations :")
                          << QStringList{"Label1", ":\n     1. Divide", "Label2",
                                         "\n          Always check"};
  }

  void aboutAndHelpShowTheLanguagesTexts() {
    QFETCH(QString, menu);
    QFETCH(int, key);
    QFETCH(QString, caption);
    QFETCH(QStringList, labels);
    QString shownCaption;
    QStringList texts;
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      shownCaption = modal->windowTitle();
      for (qsizetype i = 0; i < labels.size(); i += 2) {
        texts << modal->findChild<QLabel*>(labels[i])->text();
      }
      QTest::keyClick(modal, static_cast<Qt::Key>(key));
    });
    trigger(menu.toLatin1().constData());
    QVERIFY(answer->answered);
    QVERIFY(!answer->leftOpen);
    QCOMPARE(shownCaption, caption);
    for (qsizetype i = 0; i < texts.size(); ++i) {
      QVERIFY2(texts[i].contains(labels[2 * i + 1]), qPrintable(texts[i]));
    }
  }
};

}  // namespace tavelor::qt

QTEST_MAIN(tavelor::qt::SecondaryWindowsTest)
#include "secondary_windows_test.moc"

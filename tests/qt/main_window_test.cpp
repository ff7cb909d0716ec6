// The main window for real, on the offscreen platform: keys through the real fields, the tip
// chords chained through real widgets, Enter computing, the plan strip keeping its drawing, and
// the boxes and dialogs of the window port.

#include "qt/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "qt/plan_widget.h"
#include "qt/twips.h"
#include "qt_test_support.h"

namespace tavelor::qt {

using calc::Field;
using calc::ResultLabel;

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<MainWindow> window_;

  QLineEdit* field(Field kind, int index = 0) { return window_->field(kind, index); }
  void typeInto(Field kind, int index, const QString& text) {
    QLineEdit* edit = field(kind, index);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

 private slots:
  void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

  void init() {
    folder_ = testing::programFolder("English");
    window_ = testing::startedWindow(*folder_);
    QVERIFY(window_);
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  void startsTranslatedWithClearedFields() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Tavelor"));
    QCOMPARE(window_->findChild<QMenu*>(QStringLiteral("mnufile"))->title(),
             QStringLiteral("&File"));
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("Lbmasse"))->text(),
             QStringLiteral("Mass : "));
    QCOMPARE(field(Field::Cg)->text(), QStringLiteral("30"));
    QCOMPARE(field(Field::C_max)->text(), QString());
    QCOMPARE(field(Field::masse)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), field(Field::C_max));
    QVERIFY(window_->form().state().focusReady);
  }

  void keyFilter_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letters and blanks") << int(Field::C_min) << QString("1a2 b") << QString("12");
    QTest::newRow("minus in a chord") << int(Field::C_min) << QString("-5") << QString("5");
    QTest::newRow("minus in a sweep") << int(Field::deport) << QString("-5") << QString("-5");
  }

  void keyFilter() {
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    typeInto(static_cast<Field>(kind), 0, typed);
    QCOMPARE(field(static_cast<Field>(kind))->text(), expected);
  }

  void backspaceWorksAndClipboardKeysDoNot() {
    QApplication::clipboard()->setText(QStringLiteral("999"));
    QLineEdit* length = field(Field::L_trap);
    typeInto(Field::L_trap, 0, QStringLiteral("123"));
    QTest::keyClick(length, Qt::Key_Backspace);
    QCOMPARE(length->text(), QStringLiteral("12"));

    QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(length->text(), QStringLiteral("12"));
    QTest::keyClick(length, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(length, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(length->text(), QStringLiteral("12"));

    // Navigation keys still reach the field.
    QTest::keyClick(length, Qt::Key_Home);
    QTest::keyClick(length, Qt::Key_Delete);
    QCOMPARE(length->text(), QStringLiteral("2"));

    // The paste of the field's own menu is the system's, not a typed key: it works.
    std::unique_ptr<QMenu> menu(length->createStandardContextMenu());
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Paste"))) {
        paste = action;
      }
    }
    QVERIFY(paste);
    paste->trigger();
    QCOMPARE(length->text(), QStringLiteral("9992"));
  }

  void tipChordsChainToTheNextRootChord() {
    typeInto(Field::C_min, 0, QStringLiteral("120"));
    QCOMPARE(field(Field::C_max, 1)->text(), QStringLiteral("120"));
    typeInto(Field::C_min, 2, QStringLiteral("90"));
    QCOMPARE(field(Field::C_max, 3)->text(), QStringLiteral("90"));
    QTest::keyClick(field(Field::C_min, 2), Qt::Key_Backspace);
    QTest::keyClick(field(Field::C_min, 2), Qt::Key_Backspace);
    QCOMPARE(field(Field::C_max, 3)->text(), QString());
    // Text set by the program chains too.
    window_->setFieldText(Field::C_min, 3, "77");
    QCOMPARE(field(Field::C_max, 4)->text(), QStringLiteral("77"));
    // The derived root chords take no typing.
    QVERIFY(field(Field::C_max, 1)->isReadOnly());
    QCOMPARE(field(Field::C_max, 1)->focusPolicy(), Qt::ClickFocus);
  }

  void tabFollowsTheKeyboardOrder() {
    const QStringList expected = {
        "C_min0",  "L_trap0", "deport0", "Cg",        "C_min1",   "L_trap1",  "deport1",
        "C_min2",  "L_trap2", "deport2", "C_min3",    "L_trap3",  "deport3",  "C_min4",
        "L_trap4", "deport4", "masse",   "cmdCalcul", "cmdClear", "cmdprint", "C_max0"};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
  }

  void clickingIntoAFieldSelectsItsWholeText() {
    typeInto(Field::deport, 1, QStringLiteral("35"));
    QLineEdit* sweep = field(Field::deport, 1);
    QLineEdit* length = field(Field::L_trap);
    length->setFocus();
    QTest::mouseClick(sweep, Qt::LeftButton, {}, QPoint(4, sweep->height() / 2));
    QTRY_COMPARE(sweep->selectedText(), QStringLiteral("35"));
  }

  void enterInAPanelFieldComputesAndDraws() {
    typeInto(Field::C_max, 0, QStringLiteral("200"));
    typeInto(Field::C_min, 0, QStringLiteral("200"));
    typeInto(Field::L_trap, 0, QStringLiteral("500"));
    typeInto(Field::deport, 0, QStringLiteral("0"));
    typeInto(Field::masse, 0, QStringLiteral("1000"));
    typeInto(Field::L_trap, 0, QStringLiteral("500"));
    QTest::keyClick(field(Field::L_trap), Qt::Key_Return);

    // The figures are the calculation's; that they reach the labels is the window's.
    QCOMPARE(window_->resultLabel(ResultLabel::Lbenv)->text(), QStringLiteral("1 000.00 mm  "));
    QCOMPARE(window_->resultLabel(ResultLabel::LbafficheCA)->text(),
             QString::fromUtf8(" 50.00 g/dm\u00b2"));

    // Root chord 200 over a 500 mm half-span: ten twips a millimetre, outline from (1525, 2120).
    const auto& lines = window_->plan()->lines();
    QCOMPARE(lines.size(), std::size_t(9));
    QCOMPARE(lines[0].twips, QLineF(1525, 2120, 1525, 120));
    QCOMPARE(lines[5].colour, QColor(255, 0, 0));
    QCOMPARE(lines[5].style, plot::LineStyle::DashDotDot);

    // The drawing is painted, and painted again after the window was covered.
    const int markX = window_->plan()->contentsRect().left() +
                      twipsToPixels(4025, window_->plan()->logicalDpiX());
    auto hasRedAt = [&](const QImage& image) {
      for (int y = 0; y < image.height(); ++y) {
        for (int dx = -1; dx <= 1; ++dx) {
          if (image.pixelColor(markX + dx, y) == QColor(255, 0, 0)) return true;
        }
      }
      return false;
    };
    QVERIFY(hasRedAt(window_->plan()->grab().toImage()));
    window_->plan()->repaint();
    QVERIFY(hasRedAt(window_->plan()->grab().toImage()));

    QTest::mouseClick(window_->button("cmdClear"), Qt::LeftButton);
    QVERIFY(window_->plan()->lines().empty());
    QCOMPARE(window_->resultLabel(ResultLabel::Lbenv)->text(), QString());
  }

  void layoutFollowsTheTwipsTable() {
    const int dpi = window_->logicalDpiX();
    QLineEdit* tip2 = field(Field::C_min, 2);
    const QPoint inClient = tip2->mapTo(window_->centralWidget(), QPoint(0, 0));
    QCOMPARE(inClient.x(), twipsToPixels(120, dpi) + twipsToPixels(1920 + 960 * 2, dpi));
    QCOMPARE(window_->centralWidget()->width(), twipsToPixels(8310, dpi));
    QCOMPARE(window_->plan()->geometry(), twipsRect(window_.get(), 120, 5040, 8055, 2295));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());

    auto* label9 = window_->findChild<QLabel*>(QStringLiteral("Label9"));
    QCOMPARE(label9->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    auto* label11 = window_->findChild<QLabel*>(QStringLiteral("Label11"));
    QCOMPARE(label11->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QVERIFY(label9->font().bold());
  }

  void menusHoldTheirEntriesAndSeparators() {
    auto* file = window_->findChild<QMenu*>(QStringLiteral("mnufile"));
    QStringList names;
    for (QAction* action : file->actions()) names << action->objectName();
    QCOMPARE(names, QStringList({"mnuopen", "mnusave", "mnuvide0", "mnufileprint", "mnuvide",
                                 "mnufilequit"}));
    QVERIFY(file->actions()[2]->isSeparator());
    auto* help = window_->findChild<QMenu*>(QStringLiteral("mnuaide"));
    QCOMPARE(help->actions().size(), 3);
    QCOMPARE(help->actions()[2]->text(), QStringLiteral("&About Tavelor..."));
  }

  void messageBoxShowsTitleIconAndAnswers_data() {
    QTest::addColumn<bool>("cancel");
    QTest::newRow("ok") << false;
    QTest::newRow("cancel") << true;
  }

  void messageBoxShowsTitleIconAndAnswers() {
    QFETCH(bool, cancel);
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box) return;
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->button(cancel ? QMessageBox::Cancel : QMessageBox::Ok)->click();
    });
    const auto result = window_->showMessage("Print on\r\nOffice ?", "", i18n::Icon::Question,
                                             i18n::Buttons::OkCancel);
    QVERIFY(answer->answered);
    QCOMPARE(title, QStringLiteral("tv"));
    QCOMPARE(text, QStringLiteral("Print on\nOffice ?"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(result, cancel ? i18n::Answer::Cancel : i18n::Answer::Ok);
  }

  void promptGivesTheTextOrNothing() {
    QString label;
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QInputDialog*>(modal);
      if (!dialog) return;
      label = dialog->labelText();
      dialog->setTextValue(QStringLiteral("Glider"));
      dialog->accept();
    });
    QCOMPARE(window_->promptText("\r\n\r\nName:", "Print", "My wing"), std::string("Glider"));
    QCOMPARE(label, QStringLiteral("\n\nName:"));
    testing::answerNextModal([](QWidget* modal) { static_cast<QDialog*>(modal)->reject(); });
    QCOMPARE(window_->promptText("Name:", "Print", "My wing"), std::string());
  }

  void fileDialogsAskAsRequested() {
    files::FileDialogRequest request;
    request.title = "Save the wing";
    request.filterText = "Wing files (*.txt)";
    request.filterPattern = "*.txt";
    request.initialFolder = folder_->path().toStdString();
    request.defaultExtension = "txt";
    request.confirmOverwrite = true;

    QStringList seen;  // title, filters, folder, suffix, whether it confirms an overwrite
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      if (!dialog) return;
      seen << dialog->windowTitle() << dialog->nameFilters() << dialog->directory().absolutePath()
           << dialog->defaultSuffix()
           << QString::number(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
      dialog->selectFile(QStringLiteral("glider"));
      QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto chosen = window_->askSaveFileName(request);
    QVERIFY(answer->answered);
    QCOMPARE(seen, QStringList({"Save the wing", "Wing files (*.txt)",
                                QDir(folder_->path()).absolutePath(), "txt", "1"}));
    QVERIFY(chosen);
    QCOMPARE(QString::fromStdString(*chosen), QDir(folder_->path()).filePath("glider.txt"));

    request.title = "Open a wing file";
    request.confirmOverwrite = false;
    request.mustExist = true;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    testing::answerNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      if (!dialog) return;
      mode = dialog->fileMode();
      dialog->reject();
    });
    QVERIFY(!window_->askOpenFileName(request));
    QCOMPARE(mode, QFileDialog::ExistingFile);
  }

  void quitClosesTheWindow() {
    window_->findChild<QAction*>(QStringLiteral("mnufilequit"))->trigger();
    QVERIFY(window_->endRequested());
    QVERIFY(!window_->isVisible());
  }
};

}  // namespace tavelor::qt

QTEST_MAIN(tavelor::qt::MainWindowTest)
#include "main_window_test.moc"

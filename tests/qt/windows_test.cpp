// The windows for real, on the offscreen platform: the main window's access keys, Enter computing
// and drawing; the chooser, About and Help opened from its menus and answered with the keyboard.
// The keys a field takes are typed on a real X server by the end-to-end run.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "qt/language_chooser_dialog.h"
#include "qt/main_window.h"
#include "qt/plan_widget.h"
#include "support/temp_folder.h"

namespace tavelor::qt {
namespace {

using ui::Field;

// Opens a modal window with `open` and gives it to `answer`, which should close it: true when it
// came and did, and no other window came. One left open, or any other, is closed by force, so a
// wrong expectation fails instead of hanging. The answer runs apart from the poll, so that the
// poll still sees a window the answer opens.
bool answerModal(const std::function<void()>& open, const std::function<void(QWidget*)>& answer) {
  QWidget* answered = nullptr;
  bool closed = false, other = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == answered) return;
    if (answered) {
      other = true;
      modal->close();
      return;
    }
    answered = modal;
    QTimer::singleShot(0, modal, [&, modal] {
      answer(modal);
      closed = !modal->isVisible();
      if (!closed) modal->close();
    });
  });
  poll.start(10);
  open();
  return answered && closed && !other;
}

QString shown(const QWidget& window, const char* label) {
  return window.findChild<QLabel*>(QString::fromLatin1(label))->text();
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<testing::TempFolder> folder_;
  std::unique_ptr<MainWindow> window_;

  QLineEdit* typeInto(Field kind, const QString& text) {
    QLineEdit* edit = window_->field(kind, 0);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    return edit;
  }

 private slots:
  // A program folder of its own for each test: the shipped language files, tv.ini naming English.
  void init() {
    window_.reset();  // before the folder it was started from
    folder_ = std::make_unique<testing::TempFolder>();
    for (const auto& file : std::filesystem::directory_iterator(TAVELOR_LANG_DIR)) {
      std::filesystem::copy(file, folder_->path());
    }
    folder_->write("tv.ini", "[Langue]\r\n1=English\r\n");
    window_ = std::make_unique<MainWindow>(QString::fromStdString(folder_->path()), ".",
                                           [] { return std::string("06/12/2026"); });
    QVERIFY(window_->startUp());
    window_->showReady();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  // A caption's access key moves to its field; a caption without a field shows no mark.
  void captionAccessKeys() {
    window_->setCaption("massCaption", "M&ass : ");
    window_->setCaption("spanCaption", "S&pan && width");
    QCOMPARE(shown(*window_, "spanCaption"), QStringLiteral("Span & width"));
    QTest::keyClick(window_.get(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(window_->field(Field::Mass, 0)->hasFocus());
  }

  void enterInAPanelFieldComputesAndDraws() {
    typeInto(Field::RootChord, QStringLiteral("200"));
    typeInto(Field::TipChord, QStringLiteral("200"));
    typeInto(Field::Sweep, QStringLiteral("0"));
    typeInto(Field::Mass, QStringLiteral("1000"));
    QTest::keyClick(typeInto(Field::PanelLength, QStringLiteral("500")), Qt::Key_Return);

    QCOMPARE(window_->resultLabel(ui::ResultLabel::Span)->text(), QStringLiteral("1 000.00 mm  "));
    // Root chord 200 over a 500 mm half-span: ten twips a millimetre, outline from (1525, 2120).
    const auto& lines = window_->plan()->lines();
    QCOMPARE(lines.size(), std::size_t(9));
    QCOMPARE(lines[0].twips, QLineF(1525, 2120, 1525, 120));
    QCOMPARE(lines[5].colour, QColor(255, 0, 0));
  }

  // The chooser's box shows the current language when none is stored. Only an item picked from
  // its list, whose file is still there, is a choice: typed text, or a pick edited afterwards,
  // closed with Escape or whose file has gone, leaves the language as it was. About and Help
  // close with Escape.
  void menuWindows_data() {
    QTest::addColumn<QString>("menu");
    // 1: Down in the chooser's list before the keys; 2: then the picked language's file removed.
    QTest::addColumn<int>("pick");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("language");
    const QString chooser = "languageItem", chooserTitle = "Choose your language";
    const QString escape = "\x1b", english = "English";
    QTest::newRow("About") << "aboutItem" << 0 << escape << "About Tavelor" << english;
    QTest::newRow("Help") << "helpItem" << 0 << escape << "Informations :" << english;
    QTest::newRow("typed name") << chooser << 0 << "Deutsch\r" << chooserTitle << english;
    QTest::newRow("picked") << chooser << 1 << "\r" << chooserTitle << "Fran\u00e7ais";
    QTest::newRow("picked, then edited") << chooser << 1 << "Deutsch\r" << chooserTitle << english;
    QTest::newRow("picked, then Escape") << chooser << 1 << escape << chooserTitle << english;
    QTest::newRow("picked, its file gone") << chooser << 2 << "\r" << chooserTitle << english;
  }

  void menuWindows() {
    QFETCH(QString, menu);
    QFETCH(int, pick);
    QFETCH(QString, keys);
    QFETCH(QString, title);
    QFETCH(QString, language);
    folder_->write("tv.ini", "");  // nothing stored
    QString shownTitle, boxText = QStringLiteral("English");
    const auto open = [&] { window_->findChild<QAction*>(menu)->trigger(); };
    const auto answer = [&](QWidget* modal) {
      shownTitle = modal->windowTitle();
      auto* chooser = qobject_cast<LanguageChooserDialog*>(modal);
      QLineEdit* edit = chooser ? chooser->combo()->lineEdit() : nullptr;
      if (edit) boxText = edit->text();
      if (pick) QTest::keyClick(edit, Qt::Key_Down);
      if (pick == 2) std::filesystem::remove(folder_->file(edit->text().toStdString() + ".lng"));
      if (edit) edit->selectAll();
      QTest::keyClicks(edit ? static_cast<QWidget*>(edit) : modal, keys);
    };
    QVERIFY(answerModal(open, answer));
    QCOMPARE(shownTitle, title);
    QCOMPARE(boxText, QStringLiteral("English"));  // the current language
    QCOMPARE(QString::fromStdString(window_->form().language().currentLanguage), language);
  }
};

}  // namespace tavelor::qt

QTEST_MAIN(tavelor::qt::WindowsTest)
#include "windows_test.moc"

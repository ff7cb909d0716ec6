// The main window for real, on the offscreen platform: keys through the real fields, the tip
// chords chained through real widgets, and Enter computing into the labels and the plan strip.

#include "qt/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>

#include "qt/plan_widget.h"
#include "qt_test_support.h"

namespace tavelor::qt {

using ui::Field;

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<MainWindow> window_;

  QLineEdit* field(Field kind, int index = 0) { return window_->field(kind, index); }
  QLineEdit* typeInto(Field kind, int index, const QString& text) {
    QLineEdit* edit = field(kind, index);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    return edit;
  }

 private slots:
  void init() {
    folder_ = testing::programFolder();
    window_ = testing::startedWindow(*folder_);
    QVERIFY(window_);
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  void cleanup() {
    window_.reset();
    folder_.reset();
  }

  void keyFilter_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("letters and blanks")
        << int(Field::TipChord) << QString("1a2 b") << QString("12");
    QTest::newRow("plus") << int(Field::PanelLength) << QString("+5,5") << QString("5,5");
    QTest::newRow("minus in a chord") << int(Field::TipChord) << QString("-5") << QString("5");
    QTest::newRow("minus in a sweep") << int(Field::Sweep) << QString("-5") << QString("-5");
  }

  void keyFilter() {
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(typeInto(static_cast<Field>(kind), 0, typed)->text(), expected);
  }

  // Backspace is a typed key and passes; Ctrl+V is a clipboard key and is held back, while the
  // field's own context-menu paste is the system's and works.
  void backspaceAndPaste() {
    QApplication::clipboard()->setText(QStringLiteral("999"));
    QLineEdit* length = typeInto(Field::PanelLength, 0, QStringLiteral("123"));
    QTest::keyClick(length, Qt::Key_Backspace);
    QTest::keyClick(length, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(length->text(), QStringLiteral("12"));
    std::unique_ptr<QMenu> menu(length->createStandardContextMenu());
    for (QAction* action : menu->actions()) {
      if (action->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Paste"))) {
        action->trigger();
      }
    }
    QCOMPARE(length->text(), QStringLiteral("12999"));
  }

  // A caption's access key moves to its field; a caption without a field shows no mark.
  void captionAccessKeys() {
    window_->setCaption("massCaption", "M&ass : ");
    window_->setCaption("spanCaption", "S&pan && width");
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("spanCaption"))->text(),
             QStringLiteral("Span & width"));
    QTest::keyClick(window_.get(), Qt::Key_A, Qt::AltModifier);
    QVERIFY(field(Field::Mass)->hasFocus());
  }

  void tipChordsChainToTheNextRootChord() {
    QLineEdit* tip = typeInto(Field::TipChord, 2, QStringLiteral("90"));
    QCOMPARE(field(Field::RootChord, 3)->text(), QStringLiteral("90"));
    QTest::keyClick(tip, Qt::Key_Backspace);
    QCOMPARE(field(Field::RootChord, 3)->text(), QStringLiteral("9"));
    QVERIFY(field(Field::RootChord, 3)->isReadOnly());
  }

  void enterInAPanelFieldComputesAndDraws() {
    typeInto(Field::RootChord, 0, QStringLiteral("200"));
    typeInto(Field::TipChord, 0, QStringLiteral("200"));
    typeInto(Field::Sweep, 0, QStringLiteral("0"));
    typeInto(Field::Mass, 0, QStringLiteral("1000"));
    QTest::keyClick(typeInto(Field::PanelLength, 0, QStringLiteral("500")), Qt::Key_Return);

    QCOMPARE(window_->resultLabel(ui::ResultLabel::Span)->text(), QStringLiteral("1 000.00 mm  "));
    // Root chord 200 over a 500 mm half-span: ten twips a millimetre, outline from (1525, 2120).
    const auto& lines = window_->plan()->lines();
    QCOMPARE(lines.size(), std::size_t(9));
    QCOMPARE(lines[0].twips, QLineF(1525, 2120, 1525, 120));
    QCOMPARE(lines[5].colour, QColor(255, 0, 0));
  }
};

}  // namespace tavelor::qt

QTEST_MAIN(tavelor::qt::MainWindowTest)
#include "main_window_test.moc"

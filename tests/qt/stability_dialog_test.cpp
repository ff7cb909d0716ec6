// The stability window typed into: keys filtered, panel 2 following panel 1, Enter computing,
// the CG handed over with the window's decimal mark, and a refused field named in a warning.

#include "qt/stability_dialog.h"

#include <QLabel>
#include <QMessageBox>
#include <QTest>

#include "qt_test_support.h"

namespace tavelor::qt {

class StabilityDialogTest : public QObject {
  Q_OBJECT

  // Two panels, 30 % centring: the example the calculation's test checks in figures.
  static wing::WingResults exampleWing() {
    return *wing::computeWing({{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 0}).results;
  }
  static QString keyText(const QString& key) { return '[' + key + ']'; }
  static QString shown(const StabilityDialog& dialog, const char* label) {
    return dialog.findChild<QLabel*>(QString::fromLatin1(label))->text();
  }

 private slots:
  void typedStabiliserGivesTheCentring_data() {
    QTest::addColumn<QString>("mark");
    QTest::newRow("comma") << QString(",");
    QTest::newRow("point") << QString(".");
  }

  void typedStabiliserGivesTheCentring() {
    QFETCH(QString, mark);
    QString handed;
    StabilityDialog dialog(
        exampleWing(), keyText, mark, [&](const QString& text) { handed = text; }, nullptr);
    dialog.show();
    const auto type = [&](StabilityField f, const char* keys) {
      QTest::keyClicks(dialog.field(f), QString::fromLatin1(keys));
    };
    type(StabilityField::RootChord1, "1a3-0");  // letters and '-' do not reach a chord
    type(StabilityField::TipChord1, "90");
    type(StabilityField::Length1, "220");
    type(StabilityField::Sweep1, "-\b15");
    type(StabilityField::TailArm, "620");
    QCOMPARE(dialog.inputTexts(), QStringList({"130", "90", "220", "15", "90", "", "", "", "620",
                                               "0" + mark + "9", "10"}));
    QTest::keyClick(dialog.field(StabilityField::TailArm), Qt::Key_Return);
    QCOMPARE(shown(dialog, "npPercentValue"), "47" + mark + "97");
    QCOMPARE(shown(dialog, "npMmValue"), "104" + mark + "53");
    dialog.findChild<QPushButton*>("useCentring")->click();
    QCOMPARE(handed, "37" + mark + "97");
    QCOMPARE(shown(dialog, "marginValue"), "10" + mark + "00");
  }

  void refusedFieldIsNamedAndResultsStay() {
    StabilityDialog dialog(exampleWing(), keyText, ".", {}, nullptr);
    dialog.show();
    dialog.setInputTexts({"", "", "", "", "", "", "", "", "", "", "5"});
    dialog.calculate();  // a flying wing
    QCOMPARE(shown(dialog, "npPercentValue"), QString("25.00"));
    dialog.field(StabilityField::StaticMargin)->setText("41");
    QString warning;
    auto answer = testing::answerNextModal([&](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) warning = box->text();
      modal->close();
    });
    dialog.calculate();
    QVERIFY(answer->answered);
    QCOMPARE(warning, QString("[warnMargin]"));
    QCOMPARE(shown(dialog, "cgPercentValue"), QString("20.00"));
  }
};

}  // namespace tavelor::qt

QTEST_MAIN(tavelor::qt::StabilityDialogTest)
#include "stability_dialog_test.moc"

// The main window for real, on the offscreen platform: its captions' access keys, Enter computing
// and drawing. The keys a field takes, the chooser, About and Help are driven on a real X server
// by the end-to-end run.

#include "qt/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <memory>

#include "plot/plan_view.h"
#include "qt/plan_widget.h"
#include "support/temp_folder.h"

namespace tavelor::qt {
namespace {

using ui::Field;

QString shown(const QWidget& window, const char* label) {
  return window.findChild<QLabel*>(QString::fromLatin1(label))->text();
}

}  // namespace

class MainWindowTest : public QObject {
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
    // Root chord 200 over a 500 mm half-span: ten 1/1440 inch a millimetre, outline from
    // (1525, 2120) of them.
    const auto& lines = window_->plan()->drawing().lines;
    QCOMPARE(lines.size(), std::size_t(9));
    const auto inSteps = [&](int i) {
      return QPointF(lines[0].points[i].x, lines[0].points[i].y) * 1440 / 25.4;
    };
    QCOMPARE(inSteps(0), QPointF(1525, 2120));
    QCOMPARE(inSteps(1), QPointF(1525, 120));
    QCOMPARE(lines[5].role, plot::Role::MeanChord);
  }

  // The plan strip at the size it was laid out for, then twice as large: the picture grows too.
  void aLargerPlanStripMagnifiesThePicture() {
    PlanWidget plan;
    plot::Drawing line;
    line.line(plot::Role::Outline, {10, 10}, {110, 10});
    plan.setPlan(line);
    const auto rightEnd = [&](double grow) {
      const double pixels = grow * plan.logicalDpiX() / 25.4;
      plan.resize((QSizeF(plot::kPlanWidthMm, plot::kPlanHeightMm) * pixels).toSize() +
                  QSize(4, 4));
      const QImage image = plan.grab().toImage();
      int right = 0;
      for (int y = 4; y < image.height() - 4; ++y)
        for (int x = right; x < image.width(); ++x)
          right = qGray(image.pixel(x, y)) < 100 ? x : right;
      return right - 2;
    };
    const int designed = rightEnd(1);
    QVERIFY(qAbs(designed - 110 * plan.logicalDpiX() / 25.4) < 2);
    QVERIFY(qAbs(rightEnd(2) - 2 * designed) < 3);
  }
};

}  // namespace tavelor::qt

QTEST_MAIN(tavelor::qt::MainWindowTest)
#include "main_window_test.moc"

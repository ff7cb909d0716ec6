// The main window for real, on the offscreen platform: its captions' access keys, Enter computing
// and drawing, Qt's own texts in the chosen language. The keys a field takes, the chooser, About
// and Help are driven on a real X server by the end-to-end run.

#include "qt/main_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <memory>

#include "i18n/translate.h"
#include "plot/plan_view.h"
#include "qt/drawing_view.h"
#include "support/temp_folder.h"

namespace tavelor::qt {
namespace {

using ui::Field;

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
    QCOMPARE(window_->findChild<QLabel*>(QStringLiteral("spanCaption"))->text(),
             QStringLiteral("Span & width"));
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
    // Root chord 200 over a 500 mm half-span: the chord fills the strip's 37.04 mm, the outline
    // from (24.69, 38.28) mm to the tip at 117.30.
    DrawingView* plan = window_->plan();
    const wing::Point corner = plan->drawing().lines.at(0).points[0];
    QVERIFY(qAbs(corner.x - 24.6944) < 1e-4 && qAbs(corner.y - 38.2764) < 1e-4);
    // The strip at twice or three quarters the size it was laid out for shows the plan scaled
    // alike.
    const auto rightEnd = [&](double grow) {
      const double pixels = grow * plan->logicalDpiX() / 25.4;
      plan->resize((QSizeF(plot::kPlanWidthMm, plot::kPlanHeightMm) * pixels).toSize() +
                   QSize(4, 4));
      const QImage image = plan->grab().toImage();
      int right = 0;
      for (int y = 4; y < image.height() - 4; ++y)
        for (int x = right; x < image.width(); ++x)
          right = qGray(image.pixel(x, y)) < 100 ? x : right;
      return right - 2;
    };
    const double tip = 117.2986 / 25.4 * plan->logicalDpiX();
    QVERIFY(qAbs(rightEnd(2) - 2 * tip) < 3);
    QVERIFY(qAbs(rightEnd(1) - tip) < 2);
    QVERIFY(qAbs(rightEnd(0.75) - 0.75 * tip) < 2);
  }

  // German chosen: Qt's own file dialog and its buttons speak German too, dates take its form.
  void toolkitTextsFollowTheLanguage() {
    i18n::Language& language = window_->form().language();
    language.setLanguage("Deutsch");
    i18n::translate(language, *window_);
    QFileDialog dialog(window_.get());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
    QCOMPARE(QLocale().language(), QLocale::German);
  }
};

}  // namespace tavelor::qt

QTEST_MAIN(tavelor::qt::MainWindowTest)
#include "main_window_test.moc"

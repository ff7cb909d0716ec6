// The print command on a real CUPS queue, through the program's own print path (the system page
// picks the default queue); the PDF that the queue's cups-pdf backend writes is read back: one
// A4 page, the sheet where it belongs and its outline at true scale. Run by cups_print_test.sh,
// which sets TAVELOR_TEST_QUEUE (the default queue), TAVELOR_TEST_PDF_FOLDER (where cups-pdf
// writes) and TAVELOR_TEST_SHEET (a sheet name unique to the run).

#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "calc/calculate.h"
#include "i18n/language.h"
#include "plot/print_command.h"
#include "plot/print_window.h"
#include "qt/printer_page.h"
#include "support/fake_window.h"
#include "support/pdf_sheet.h"

namespace tavelor {
namespace {

using testing::kPointsPerMm;

// The main window as the print command sees it; its page is the program's own system page.
class QueueWindow : public testing::FakeInputWindow, public plot::PrintWindow {
 public:
  QueueWindow(const calc::WingState& state, std::string sheet) : state_(state), sheet_(sheet) {}
  void setBusyPointer(bool) override {}
  std::string promptText(const std::string&, const std::string&, const std::string&) override {
    return sheet_;
  }
  std::unique_ptr<plot::PageSurface> openPage() override {
    return qt::openSystemPrinterPage(state_.sheetName, ".");
  }
  std::string shortDate() const override { return "06/12/2026"; }

 private:
  const calc::WingState& state_;
  std::string sheet_;
};

// The PDF in folder whose name carries the run's unique token, once its size has stopped
// changing; empty when none comes within a minute.
QString waitForPdf(const QString& folder, const QString& token) {
  QElapsedTimer timer;
  timer.start();
  for (qint64 lastSize = -1; timer.elapsed() < 60000; QTest::qWait(250)) {
    for (const QFileInfo& info : QDir(folder).entryInfoList({"*" + token + "*.pdf"}, QDir::Files)) {
      if (info.size() > 0 && info.size() == lastSize) return info.absoluteFilePath();
      lastSize = info.size();
    }
  }
  return {};
}

}  // namespace

class CupsPrintCheck : public QObject {
  Q_OBJECT
 private slots:
  void exampleWingOnQueue();
};

void CupsPrintCheck::exampleWingOnQueue() {
  const QString queue = qEnvironmentVariable("TAVELOR_TEST_QUEUE");
  const QString pdfFolder = qEnvironmentVariable("TAVELOR_TEST_PDF_FOLDER");
  const QString sheet = qEnvironmentVariable("TAVELOR_TEST_SHEET");
  QVERIFY2(!queue.isEmpty() && !pdfFolder.isEmpty() && !sheet.isEmpty(),
           "run through cups_print_test.sh");
  QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), queue);

  calc::WingState state;
  QueueWindow window(state, sheet.toStdString());
  i18n::LanguageModule language(TAVELOR_LANG_DIR, window);
  language.setLanguage("English");
  state.areaUnit = calc::kAreaUnit;
  state.lengthUnit = calc::kLengthUnit;
  window.typeExampleWing();
  QVERIFY(calc::calculate(state, window, language));
  plot::mnufileprint_Click(state, window, language);

  // The question names the queue; the closing message is message 15 alone, as no file was
  // written by the program itself.
  QCOMPARE(window.messages.size(), std::size_t(2));
  QCOMPARE(window.messages[0].text, "Print the sheet on " + queue.toStdString() + " ?");
  QCOMPARE(window.messages[1].text, language.GetINIFile("Message", "15"));

  const QString pdf = waitForPdf(pdfFolder, sheet);
  QVERIFY2(!pdf.isEmpty(), qPrintable("no PDF from the queue in " + pdfFolder));
  // The file is the test's own: it goes once read, whatever the checks say.
  QTemporaryDir work;
  const QString copy = work.filePath("sheet.pdf");
  QVERIFY(QFile::rename(pdf, copy));

  // A4, either as a landscape page or as a portrait one with the sheet turned on it.
  const testing::SheetText text = testing::readSheetText(copy);
  QCOMPARE(text.pages, 1);
  QCOMPARE(std::round(std::max(text.width, text.height)), 842.0);
  QCOMPARE(std::round(std::min(text.width, text.height)), 595.0);
  testing::SheetFrame frame{text.width, text.height, text.width < text.height, true};

  // The title's corner at (20 mm, 16 mm) from the sheet's corner: that also tells which way a
  // turned sheet lies.
  const testing::Word* titleWord = text.find("Wing:");
  QVERIFY(titleWord != nullptr && text.find(sheet) != nullptr);
  testing::Word title = frame.map(*titleWord);
  if (frame.turned && std::abs(title.xMin / kPointsPerMm - 20) > 1.5) {
    frame.clockwise = false;
    title = frame.map(*titleWord);
  }
  QVERIFY2(std::abs(title.xMin / kPointsPerMm - 20) <= 1.5 &&
               std::abs(title.yMin / kPointsPerMm - 16) <= 1.5,
           qPrintable(QStringLiteral("title at %1, %2 mm")
                          .arg(title.xMin / kPointsPerMm)
                          .arg(title.yMin / kPointsPerMm)));

  // The words came through the queue as text: the results read as the print routine words them
  // (the end-to-end test reads them all off the same sheet).
  QVERIFY(text.find("27.00") && text.find("202.47") && text.find("68.15") && text.find("1/5"));

  // The outline at true scale, 1/5, black hairlines only (the underlines are thicker): the root
  // chord and the half span measured on paper.
  std::vector<testing::Segment> outline;
  for (const auto& s : testing::readSegments(copy, work.filePath("sheet.svg"))) {
    if (s.stroke == "rgb(0%,0%,0%)" && s.width < 0.5 && s.length() > 5)
      outline.push_back(frame.map(s));
  }
  const QString scaleFault = testing::trueScaleFault(outline, 0.2);
  QVERIFY2(scaleFault.isEmpty(), qPrintable(scaleFault));
}

}  // namespace tavelor

QTEST_MAIN(tavelor::CupsPrintCheck)
#include "cups_print_check.moc"

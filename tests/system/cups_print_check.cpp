// The print command on a real CUPS queue: the two-panel example wing goes through the same print
// path as the program's print button (openSystemPrinterPage picks the default queue, the print
// command asks, the sheet is built and handed to QPrinter), and the PDF that the queue's cups-pdf
// backend writes is read back: one page, the title and results, the outline at true scale.
//
// Run by cups_print_test.sh, which starts a private cupsd with the queue and sets:
//   TAVELOR_TEST_QUEUE       the queue that must be the default
//   TAVELOR_TEST_PDF_FOLDER  where cups-pdf writes its files
//   TAVELOR_TEST_SHEET       a sheet name unique to this run (letters, digits and dashes)

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "qt/printer_page.h"
#include "support/fake_window.h"
#include "support/pdf_sheet.h"

namespace tavelor {
namespace {

using testing::kPointsPerMm;

// The newest PDF in folder whose name carries token and that was written since `since`, once
// its size has stopped changing; empty when none comes within a minute.
QString waitForPdf(const QString& folder, const QString& token, const QDateTime& since) {
  QElapsedTimer timer;
  timer.start();
  for (qint64 lastSize = -1; timer.elapsed() < 60000; QTest::qWait(250)) {
    for (const QFileInfo& info : QDir(folder).entryInfoList({"*.pdf"}, QDir::Files, QDir::Time)) {
      if (!info.fileName().contains(token) || info.lastModified() < since.addSecs(-2)) continue;
      if (info.size() > 0 && info.size() == lastSize) return info.absoluteFilePath();
      lastSize = info.size();
      break;
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

  // The main form on a fake window whose page is the program's own system page.
  testing::TempFolder folder;
  QFile::copy(QStringLiteral(TAVELOR_LANG_DIR "/English.lng"),
              QString::fromStdString(folder.file("English.lng")));
  folder.write("tv.ini", "[Langue]\r\n1=English\r\n");
  testing::FakeWindow window;
  ui::MainForm form(window, folder.path());
  window.form = &form;
  QVERIFY(form.startUp());
  window.typeWing({{"250", "200", "400", "0"}, {"", "100", "300", "50"}}, "30", "1500");
  QVERIFY(form.calculate());
  window.prompt = sheet.toStdString();
  window.page = qt::openSystemPrinterPage(form.sheetName(), ".");
  const QDateTime started = QDateTime::currentDateTime();
  form.printSheet();

  // The question names the queue; the closing message is message 15 alone, as no file was
  // written by the program itself.
  QCOMPARE(window.messages().size(), std::size_t(2));
  QCOMPARE(window.messages()[0].text, "Print the sheet on " + queue.toStdString() + " ?");
  QCOMPARE(window.messages()[1].text, form.language().text("Message", "15"));

  const QString pdf = waitForPdf(pdfFolder, sheet, started);
  QVERIFY2(!pdf.isEmpty(), qPrintable("no PDF from the queue in " + pdfFolder));
  // The file is the test's own: it goes once read, whatever the checks say.
  QTemporaryDir work;
  const QString copy = work.filePath("sheet.pdf");
  QVERIFY(QFile::copy(pdf, copy));
  QFile::remove(pdf);
  if (const QString keep = qEnvironmentVariable("TAVELOR_TEST_KEEP"); !keep.isEmpty())
    QFile::copy(copy, keep);

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

  // The results as the print routine words them: span 1400 mm, area 27 dm², aspect ratio
  // 7.26, mean chord 202.47 mm, its station 306.17 mm, the centring 68.15 mm behind the root's
  // leading edge, 1500 g and 55.56 g/dm². A turned page reads in any order: look for the words.
  for (const char* expected : {"Results", "Span", "400.00",  "Wing",   "area",  "27.00",  "dm²",
                               "Aspect",  "7.26", "Mean",    "202.47", "MAC",   "306.17", "68.15",
                               "Mass",    "1500", "loading", "55.56",  "g/dm²", "Scale",  "1/5"}) {
    QVERIFY2(text.find(QString::fromUtf8(expected)), expected);
  }

  // The outline at true scale, 1/5, black hairlines only (the underlines are thicker); the tip
  // of panel 1 (200 mm, 40 mm on paper) stands 400 mm (80 mm on paper) out.
  std::vector<testing::Segment> outline;
  for (const auto& s : testing::readSegments(copy, work.filePath("sheet.svg"))) {
    if (s.stroke == "rgb(0%,0%,0%)" && s.width < 0.5 && s.length() > 5)
      outline.push_back(frame.map(s));
  }
  double left = 0;
  const QString scaleFault = testing::trueScaleFault(outline, 0.2, &left);
  QVERIFY2(scaleFault.isEmpty(), qPrintable(scaleFault));
  QVERIFY2(std::any_of(outline.begin(), outline.end(),
                       [left](const testing::Segment& s) {
                         return s.vertical() &&
                                std::abs((s.from.x() - left) / kPointsPerMm - 80) <= 0.2 &&
                                std::abs(s.length() / kPointsPerMm - 40) <= 0.2;
                       }),
           "panel 1's tip chord is not at true scale");
}

}  // namespace tavelor

QTEST_MAIN(tavelor::CupsPrintCheck)
#include "cups_print_check.moc"

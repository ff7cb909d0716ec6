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
#include <QFileInfo>
#include <QPrinterInfo>
#include <QRegularExpression>
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
using testing::Segment;

// The main window as the print command sees it; its page is the program's own system page.
class QueueWindow : public testing::FakeInputWindow, public plot::PrintWindow {
 public:
  explicit QueueWindow(const calc::WingState& state) : state_(state) {}
  void setBusyPointer(bool) override {}
  std::string promptText(const std::string&, const std::string&, const std::string&) override {
    return sheetAnswer;
  }
  std::unique_ptr<plot::PageSurface> openPage() override {
    return qt::openSystemPrinterPage(state_.sheetName, ".");
  }
  std::string shortDate() const override { return "06/12/2026"; }

  std::string sheetAnswer;

 private:
  const calc::WingState& state_;
};

QString environment(const char* name) { return qEnvironmentVariable(name); }

// The newest PDF in folder whose name carries token and that was written since `since`, once
// its size has stopped changing; empty when none comes within the wait.
QString waitForPdf(const QString& folder, const QString& token, const QDateTime& since,
                   int waitMs) {
  QElapsedTimer timer;
  timer.start();
  qint64 lastSize = -1;
  while (timer.elapsed() < waitMs) {
    const QFileInfoList found =
        QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : found) {
      if (!info.fileName().contains(token) || info.lastModified() < since.addSecs(-2)) continue;
      if (info.size() > 0 && info.size() == lastSize) return info.absoluteFilePath();
      lastSize = info.size();
      break;
    }
    QTest::qWait(250);
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
  const QString queue = environment("TAVELOR_TEST_QUEUE");
  const QString pdfFolder = environment("TAVELOR_TEST_PDF_FOLDER");
  const QString sheet = environment("TAVELOR_TEST_SHEET");
  QVERIFY2(!queue.isEmpty() && !pdfFolder.isEmpty() && !sheet.isEmpty(),
           "run through cups_print_test.sh");
  QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), queue);

  calc::WingState state;
  QueueWindow window(state);
  i18n::LanguageModule language(TAVELOR_LANG_DIR, window);
  language.setLanguage("English");
  state.areaUnit = calc::kAreaUnit;
  state.lengthUnit = calc::kLengthUnit;
  window.typeExampleWing();
  QVERIFY(calc::calculate(state, window, language));
  QVERIFY(window.messages.empty());

  window.sheetAnswer = sheet.toStdString();
  const QDateTime started = QDateTime::currentDateTime();
  plot::mnufileprint_Click(state, window, language);

  // The question names the queue; the closing message is message 15 alone, as no file was
  // written by the program itself.
  QCOMPARE(window.messages.size(), std::size_t(2));
  QCOMPARE(window.messages[0].text, "Print the sheet on " + queue.toStdString() + " ?");
  QCOMPARE(window.messages[1].text, language.GetINIFile("Message", "15"));

  const QString pdf = waitForPdf(pdfFolder, sheet, started, 60000);
  QVERIFY2(!pdf.isEmpty(), qPrintable(QStringLiteral("no PDF from the queue in ") + pdfFolder));
  qInfo() << "the queue wrote" << pdf;
  // The file is the test's own: it goes once read, whatever the checks say.
  QTemporaryDir work;
  QVERIFY(work.isValid());
  const QString copy = work.filePath(QStringLiteral("sheet.pdf"));
  QVERIFY(QFile::copy(pdf, copy));
  QFile::remove(pdf);
  if (const QString keep = environment("TAVELOR_TEST_KEEP"); !keep.isEmpty())
    QFile::copy(copy, keep);

  const testing::SheetText text = testing::readSheetText(copy);
  QCOMPARE(text.pages, 1);
  // A4, either as a landscape page or as a portrait one with the sheet turned on it.
  const double longSide = std::max(text.width, text.height);
  const double shortSide = std::min(text.width, text.height);
  QCOMPARE(std::round(longSide), 842.0);
  QCOMPARE(std::round(shortSide), 595.0);
  testing::SheetFrame frame{text.width, text.height, text.width < text.height, true};

  // The title's corner at (20 mm, 16 mm) from the sheet's corner: that also tells which way a
  // turned sheet lies.
  const testing::Word* titleWord = text.find(QStringLiteral("Wing:"));
  QVERIFY(titleWord != nullptr);
  testing::Word title = frame.map(*titleWord);
  if (frame.turned && std::abs(title.xMin / kPointsPerMm - 20) > 1.5) {
    frame.clockwise = false;
    title = frame.map(*titleWord);
  }
  QVERIFY2(std::abs(title.xMin / kPointsPerMm - 20) <= 1.5,
           qPrintable(QString::number(title.xMin / kPointsPerMm)));
  QVERIFY2(std::abs(title.yMin / kPointsPerMm - 16) <= 1.5,
           qPrintable(QString::number(title.yMin / kPointsPerMm)));
  QVERIFY(text.find(sheet) != nullptr);

  // The results as the print routine words them: span 1400 mm, area 27 dm², aspect ratio
  // 7.26, mean chord 202.47 mm, its station 306.17 mm, the centring 68.15 mm behind the root's
  // leading edge, 1500 g and 55.56 g/dm². A turned page reads in any order: look for the words.
  const QStringList words =
      testing::readPlainText(copy).split(QRegularExpression(QStringLiteral("\\s+")));
  for (const char* expected : {"Results", "Span", "400.00",  "Wing",   "area",  "27.00",  "dm²",
                               "Aspect",  "7.26", "Mean",    "202.47", "MAC",   "306.17", "68.15",
                               "Mass",    "1500", "loading", "55.56",  "g/dm²", "Scale",  "1/5"}) {
    QVERIFY2(words.contains(QString::fromUtf8(expected)),
             qPrintable(QStringLiteral("missing \"%1\" in: %2")
                            .arg(QString::fromUtf8(expected), words.join(QLatin1Char(' ')))));
  }

  // The outline at true scale, 1/5: root chord 250 mm is 50 mm on paper, the half span 700 mm
  // is 140 mm. Black hairlines only (the underlines are thicker).
  std::vector<Segment> outline;
  for (const Segment& s : testing::readSegments(copy, work.filePath(QStringLiteral("sheet.svg")))) {
    if (s.stroke == QLatin1String("rgb(0%,0%,0%)") && s.width < 0.5 && s.length() > 5) {
      outline.push_back(frame.map(s));
    }
  }
  QVERIFY2(!outline.empty(), "no outline on the sheet");
  const testing::OutlineExtent extent = testing::measureOutline(outline);
  const QString scaleFault = testing::trueScaleFault(extent, 0.2);
  QVERIFY2(scaleFault.isEmpty(), qPrintable(scaleFault));
  const double left = extent.left;
  // The tip of panel 1 (200 mm, 40 mm on paper) stands 400 mm (80 mm on paper) out.
  const bool tipFound = std::any_of(outline.begin(), outline.end(), [left](const Segment& s) {
    return s.vertical() && std::abs((s.from.x() - left) / kPointsPerMm - 80) <= 0.2 &&
           std::abs(s.length() / kPointsPerMm - 40) <= 0.2;
  });
  QVERIFY2(tipFound, "panel 1's tip chord is not at true scale");
}

}  // namespace tavelor

QTEST_MAIN(tavelor::CupsPrintCheck)
#include "cups_print_check.moc"

// The printer page for real: sheets printed through QPrinter into PDF files and read back with
// poppler's tools, so page size, text positions and true scale are checked on the paper itself.

#include "qt/printer_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPrinterInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "calc/calculate.h"
#include "plot/print_sheet.h"
#include "plot/print_window.h"
#include "support/fake_window.h"
#include "support/pdf_sheet.h"

namespace tavelor {
namespace {

// The main window as the print routine sees it; texts and messages recorded in memory.
class SheetWindow : public testing::FakeInputWindow, public plot::PrintWindow {
 public:
  void setBusyPointer(bool busy) override { busy_ = busy; }
  std::string promptText(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::unique_ptr<plot::PageSurface> openPage() override { return nullptr; }
  std::string shortDate() const override { return "02/03/2024"; }

  bool busy_ = false;
};

const char* const kLanguageFile =
    "[Label]\r\n0=Tavelor\r\n1=Root chord\r\n2=Tip chord\r\n3=Panel length\r\n4=Sweep\r\n"
    "5=Centring %\r\n6=Span\r\n7=Area\r\n8=Aspect ratio\r\n9=MAC station\r\n10=MAC\r\n"
    "11=Centring point\r\n12=Panel\r\n13=Wing panels\r\n14=Results\r\n15=Mass\r\n"
    "16=Wing loading\r\n[Print]\r\n1=Scale\r\n2=Sheet\r\n3=Date\r\n"
    "[Message]\r\n15=Sheet printed.\r\n16=Printer fault.\r\n";

using testing::kPointsPerMm;
using testing::Segment;

const QString kBlack = QStringLiteral("rgb(0%,0%,0%)");
const QString kRed = QStringLiteral("rgb(100%,0%,0%)");
const QString kBlue = QStringLiteral("rgb(0%,0%,100%)");

}  // namespace

class PrinterPageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void exampleWingSheet();
  void namedAfterSheetWhenEnded();
  void faultLeavesNoFile();
  void printerFaultReported_data();
  void printerFaultReported();
  void printNumberText_data();
  void printNumberText();
  void pdfBaseName_data();
  void pdfBaseName();
  void systemPageWithoutQueues();

 private:
  QTemporaryDir languageFolder_;
  QTemporaryDir work_;
};

void PrinterPageTest::initTestCase() {
  QVERIFY(languageFolder_.isValid());
  QVERIFY(work_.isValid());
  QFile file(languageFolder_.filePath(QStringLiteral("English.lng")));
  QVERIFY(file.open(QIODevice::WriteOnly));
  QVERIFY(file.write(kLanguageFile) == qint64(std::strlen(kLanguageFile)));
}

// The two-panel wing of the worked example, printed through the real print routine.
void PrinterPageTest::exampleWingSheet() {
  SheetWindow window;
  i18n::LanguageModule language(QDir(languageFolder_.path()).absolutePath().toStdString(), window);
  language.setLanguage("English");
  calc::WingState state;
  state.areaUnit = calc::kAreaUnit;
  state.lengthUnit = calc::kLengthUnit;
  window.typeExampleWing();
  QVERIFY(calc::calculate(state, window, language));
  state.sheetName = "Example wing";

  const QString pdf = work_.filePath(QStringLiteral("example.pdf"));
  auto page = qt::QtPrinterPage::toPdfFile(pdf, ".");
  plot::imprime(state, window, language, *page);

  QCOMPARE(window.messages.size(), std::size_t(1));
  QCOMPARE(window.messages.back().text,
           "Sheet printed.\r\n" + QDir::toNativeSeparators(pdf).toStdString());
  QVERIFY(!window.busy_);

  const testing::SheetText text = testing::readSheetText(pdf);
  QCOMPARE(text.pages, 1);
  QCOMPARE(std::round(text.width), 842.0);
  QCOMPARE(std::round(text.height), 595.0);

  // The title's top-left corner at (20 mm, 16 mm) from the paper's corner.
  const testing::Word* title = text.find(QStringLiteral("Sheet"));
  QVERIFY(title != nullptr);
  QVERIFY2(std::abs(title->yMin / kPointsPerMm - 16) <= 1,
           qPrintable(QString::number(title->yMin / kPointsPerMm)));
  QVERIFY(std::abs(title->xMin / kPointsPerMm - 20) <= 1);
  QVERIFY(text.find(QStringLiteral("Example")) != nullptr);

  // The section headings stand where printing moved the current point: one line of the 5-point
  // font and one of the 10-point font below the title, as the printer measures them.
  const testing::Word* heading = text.find(QStringLiteral("Results"));
  QVERIFY(heading != nullptr);
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(5);
  double lines = QFontMetricsF(font, &page->printer()).lineSpacing();
  font.setPointSize(10);
  lines += QFontMetricsF(font, &page->printer()).lineSpacing();
  const double expectedTop = title->yMin + lines * 72 / page->printer().resolution();
  QVERIFY(std::abs(heading->yMin - expectedTop) / kPointsPerMm < 0.05);
  QVERIFY(std::abs(heading->xMin / kPointsPerMm - 145) < 0.05);

  // Half span 700 mm fits 1/5; the scale line sits at the drawing box's corner.
  const testing::Word* scale = text.find(QStringLiteral("Scale"));
  QVERIFY(scale != nullptr);
  QVERIFY(text.find(QStringLiteral("1/5")) != nullptr);
  QVERIFY(std::abs(scale->yMin / kPointsPerMm - 3685 / 56.7) <= 1);
  QVERIFY(std::abs(scale->xMin / kPointsPerMm - 1134 / 56.7) <= 1);

  const std::vector<Segment> segments =
      testing::readSegments(pdf, work_.filePath(QStringLiteral("example.svg")));
  std::vector<Segment> outline;
  std::copy_if(segments.begin(), segments.end(), std::back_inserter(outline),
               [](const Segment& s) { return s.stroke == kBlack && s.width < 0.5; });
  QCOMPARE(outline.size(), std::size_t(8));  // two panels of four lines each
  const testing::OutlineExtent extent = testing::measureOutline(outline);
  const QString scaleFault = testing::trueScaleFault(extent, 0.1);
  QVERIFY2(scaleFault.isEmpty(), qPrintable(scaleFault));
  const double left = extent.left, right = extent.right;
  const Segment* root = extent.root;
  // The outline is centred in the drawing box (1134 + 14000 / 2 twips from the left).
  QVERIFY(std::abs((left + right) / 2 / kPointsPerMm - 8134 / 56.7) <= 0.1);

  // The mean chord's station in red, 306.17 mm out (61.23 mm on paper); the centring crossbar
  // in blue, 68.15 mm behind the root's leading edge (13.63 mm on paper).
  const double leadingEdge = std::min(root->from.y(), root->to.y());
  const auto station = std::find_if(segments.begin(), segments.end(), [](const Segment& s) {
    return s.stroke == kRed && s.vertical() && s.length() > 10;
  });
  QVERIFY(station != segments.end());
  QVERIFY(std::abs((station->from.x() - left) / kPointsPerMm - 306.17 / 5) <= 0.1);
  const auto crossbar = std::find_if(segments.begin(), segments.end(), [](const Segment& s) {
    return s.stroke == kBlue && s.horizontal() && s.length() < 20;
  });
  QVERIFY(crossbar != segments.end());
  QVERIFY(std::abs((crossbar->from.y() - leadingEdge) / kPointsPerMm - 68.15 / 5) <= 0.1);
}

// The print command asks for the device name before the sheet has a name: the file is named
// when the document ends, and a second sheet of that name never replaces the first.
void PrinterPageTest::namedAfterSheetWhenEnded() {
  QTemporaryDir folder;
  QVERIFY(folder.isValid());
  const QString base = QDir(folder.path()).absolutePath();
  std::string sheetName;
  auto first = qt::QtPrinterPage::toPdfFolder(base, sheetName, ".");
  QCOMPARE(first->deviceName(), "PDF file in " + QDir::toNativeSeparators(base).toStdString());
  QVERIFY(QDir(base).isEmpty());

  sheetName = "Wing: v2/final";
  first->setLandscape();
  first->printText("first", true);
  first->endDocument();
  const QString firstPath = base + QStringLiteral("/Wing_ v2_final.pdf");
  QCOMPARE(first->deliveryNote(), QDir::toNativeSeparators(firstPath).toStdString());
  QFile firstFile(firstPath);
  QVERIFY(firstFile.open(QIODevice::ReadOnly));
  const QByteArray firstBytes = firstFile.readAll();
  firstFile.close();
  QVERIFY(testing::readSheetText(firstPath).words.size() == 1);

  auto second = qt::QtPrinterPage::toPdfFolder(base, sheetName, ".");
  second->setLandscape();
  second->printText("second", true);
  second->endDocument();
  QCOMPARE(
      second->deliveryNote(),
      QDir::toNativeSeparators(base + QStringLiteral("/Wing_ v2_final (2).pdf")).toStdString());
  QVERIFY(firstFile.open(QIODevice::ReadOnly));
  QCOMPARE(firstFile.readAll(), firstBytes);
}

// A fault in the middle of a sheet drops it whole: no file, no partial page, and the page
// takes no more output.
void PrinterPageTest::faultLeavesNoFile() {
  QTemporaryDir folder;
  QVERIFY(folder.isValid());
  std::string sheetName = "Half";
  auto page = qt::QtPrinterPage::toPdfFolder(folder.path(), sheetName, ".");
  page->setLandscape();
  page->printText("half a sheet", true);
  page->drawLine(0, 0, 1440, 1440);
  page->abortDocument();
  QVERIFY(QDir(folder.path()).isEmpty());
  QCOMPARE(page->deliveryNote(), std::string());
  QVERIFY_THROWS_EXCEPTION(plot::PageError, page->printText("more", false));
  QVERIFY_THROWS_EXCEPTION(plot::PageError, page->endDocument());
  QVERIFY(QDir(folder.path()).isEmpty());

  // An ended document is final too: a second sheet needs a fresh page.
  auto ended = qt::QtPrinterPage::toPdfFile(folder.filePath(QStringLiteral("done.pdf")), ".");
  ended->setLandscape();
  ended->endDocument();
  QVERIFY_THROWS_EXCEPTION(plot::PageError, ended->drawLine(0, 0, 10, 10));
  QVERIFY_THROWS_EXCEPTION(plot::PageError, ended->setLandscape());
}

void PrinterPageTest::printerFaultReported_data() {
  QTest::addColumn<QString>("folder");  // a new file named after the sheet in here
  QTest::addColumn<QString>("file");    // or this file
  QTest::newRow("folder missing") << work_.filePath(QStringLiteral("missing")) << QString();
  // Writes to /dev/full fail like a full disk; the page must not call that a finished sheet.
  QTest::newRow("disk full") << QString() << QStringLiteral("/dev/full");
}

// A printer that cannot take the document makes the print routine report message 16, with no
// closing message, and leaves no file behind.
void PrinterPageTest::printerFaultReported() {
  QFETCH(QString, folder);
  QFETCH(QString, file);
  if (!file.isEmpty() && !QFileInfo::exists(file)) QSKIP("no such device here");
  SheetWindow window;
  i18n::LanguageModule language(QDir(languageFolder_.path()).absolutePath().toStdString(), window);
  language.setLanguage("English");
  calc::WingState state;
  window.setPanel(0, "200", "200", "500", "0");
  window.setFieldText(calc::Field::Cg, 0, "30");
  QVERIFY(calc::calculate(state, window, language));
  state.sheetName = "Lost";
  auto page = folder.isEmpty() ? qt::QtPrinterPage::toPdfFile(file, ".")
                               : qt::QtPrinterPage::toPdfFolder(folder, state.sheetName, ".");

  plot::imprime(state, window, language, *page);

  QCOMPARE(window.messages.size(), std::size_t(1));
  QCOMPARE(window.messages[0].text, std::string("Printer fault."));
  QCOMPARE(window.messages[0].icon, i18n::Icon::Critical);
  QVERIFY(!window.busy_);
  if (!folder.isEmpty()) QVERIFY(!QFileInfo::exists(folder));
}

void PrinterPageTest::printNumberText_data() {
  QTest::addColumn<double>("value");
  QTest::addColumn<QString>("mark");
  QTest::addColumn<QString>("text");
  QTest::newRow("whole") << 250.0 << QString(".") << QString(" 250 ");
  QTest::newRow("comma mark") << 12.5 << QString(",") << QString(" 12,5 ");
  QTest::newRow("negative") << -12.5 << QString(".") << QString("-12.5 ");
}

// The digits' text is the core's; here the page paints it and moves the current point by it.
void PrinterPageTest::printNumberText() {
  QFETCH(double, value);
  QFETCH(QString, mark);
  QFETCH(QString, text);
  const QString pdf = work_.filePath(QStringLiteral("number.pdf"));
  auto page = qt::QtPrinterPage::toPdfFile(pdf, mark.toStdString());
  page->setLandscape();
  page->setFontName("Arial");
  page->setFontSize(10);
  page->setCurrentX(1440);
  page->setCurrentY(1440);
  page->printNumber(value, false);
  const double advance = page->currentX() - 1440;
  page->endDocument();

  QFont font(QStringLiteral("Arial"));
  font.setPointSize(10);
  const QFontMetricsF metrics(font, &page->printer());
  const double twipsPerUnit = 1440.0 / page->printer().resolution();
  QVERIFY(std::abs(advance - metrics.horizontalAdvance(text) * twipsPerUnit) < 1e-6);
  QCOMPARE(page->currentY(), 1440.0);

  const testing::SheetText read = testing::readSheetText(pdf);
  QCOMPARE(read.words.size(), std::size_t(1));
  QCOMPARE(read.words[0].text, text.trimmed());
  // The word starts one blank's width after the current point, or right at it with a minus.
  const double lead =
      text.startsWith(u' ') ? metrics.horizontalAdvance(QStringLiteral(" ")) * twipsPerUnit : 0;
  QVERIFY(std::abs(read.words[0].xMin - (1440 + lead) / 20) < 0.1);
}

void PrinterPageTest::pdfBaseName_data() {
  QTest::addColumn<QByteArray>("sheetName");
  QTest::addColumn<QString>("baseName");
  const QByteArray e = "\xc3\xa9";  // é, two bytes of UTF-8
  QTest::newRow("plain") << QByteArray("Wing 1") << QString("Wing 1");
  QTest::newRow("accents kept") << QByteArray("Aile d\xc3\xa9rive") << QString("Aile d\u00e9rive");
  QTest::newRow("separators and wildcards")
      << QByteArray("a/b\\c:d*e?f\"g<h>i|j") << QString("a_b_c_d_e_f_g_h_i_j");
  QTest::newRow("control characters")
      << QByteArray("tab\there\nnew\x7f") << QString("tab_here_new_");
  QTest::newRow("dots and blanks trimmed") << QByteArray(" ..hidden. . ") << QString("hidden");
  QTest::newRow("parent folder") << QByteArray("..") << QString("sheet");
  QTest::newRow("empty") << QByteArray() << QString("sheet");
  QTest::newRow("long cut on a character")
      << ("a" + e.repeated(150)) << QString(QStringLiteral("a") + QString(99, QChar(0xe9)));
  QTest::newRow("exactly 200 bytes") << e.repeated(100) << QString(100, QChar(0xe9));
}

void PrinterPageTest::pdfBaseName() {
  QFETCH(QByteArray, sheetName);
  QFETCH(QString, baseName);
  QCOMPARE(qt::pdfBaseName(sheetName.toStdString()), baseName);
}

// Without any print queue the sheet goes to the documents folder, or home when there is none.
void PrinterPageTest::systemPageWithoutQueues() {
  if (!QPrinterInfo::availablePrinters().isEmpty()) QSKIP("this system has print queues");
  QTemporaryDir home;
  QVERIFY(home.isValid());
  const QByteArray oldHome = qgetenv("HOME");
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  qputenv("HOME", QDir(home.path()).absolutePath().toLocal8Bit());
  qunsetenv("XDG_CONFIG_HOME");
  const auto restore = qScopeGuard([&] {
    qputenv("HOME", oldHome);
    if (!oldConfig.isNull()) qputenv("XDG_CONFIG_HOME", oldConfig);
  });
  const QString homePath = QDir(home.path()).absolutePath();

  std::string sheetName;
  QCOMPARE(qt::openSystemPrinterPage(sheetName, ".")->deviceName(),
           "PDF file in " + QDir::toNativeSeparators(homePath).toStdString());

  QVERIFY(QDir(homePath).mkdir(QStringLiteral("Documents")));
  const QString documents = homePath + QStringLiteral("/Documents");
  auto page = qt::openSystemPrinterPage(sheetName, ",");
  QCOMPARE(page->deviceName(), "PDF file in " + QDir::toNativeSeparators(documents).toStdString());
  sheetName = "Glider";
  page->setLandscape();
  page->printNumber(2.5, true);
  page->endDocument();
  const QString path = documents + QStringLiteral("/Glider.pdf");
  QCOMPARE(page->deliveryNote(), QDir::toNativeSeparators(path).toStdString());
  QCOMPARE(testing::readSheetText(path).words.at(0).text, QStringLiteral("2,5"));
}

}  // namespace tavelor

QTEST_MAIN(tavelor::PrinterPageTest)

#include "printer_page_test.moc"

// The printer page for real: sheets printed through QPrinter into PDF files and read back with
// poppler's tools, so page size, title position and true scale are checked on the paper itself.

#include "qt/printer_page.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>

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
  void setBusyPointer(bool) override {}
  std::string promptText(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::unique_ptr<plot::PageSurface> openPage() override { return nullptr; }
  std::string shortDate() const override { return "02/03/2024"; }
};

}  // namespace

class PrinterPageTest : public QObject {
  Q_OBJECT

  QTemporaryDir work_;

  // The example wing, calculated in English, printed on page; the window's messages are kept.
  void printExample(SheetWindow& window, plot::PageSurface& page, const std::string& sheet) {
    i18n::Language language(TAVELOR_LANG_DIR, window);
    language.setLanguage("English");
    calc::WingState state;
    state.areaUnit = calc::kAreaUnit;
    state.lengthUnit = calc::kLengthUnit;
    window.typeExampleWing();
    QVERIFY(calc::calculate(state, window, language));
    state.sheetName = sheet;
    plot::imprime(state, window, language, page);
  }

 private slots:
  void exampleWingSheet() {
    SheetWindow window;
    const QString pdf = work_.filePath(QStringLiteral("example.pdf"));
    printExample(window, *qt::QtPrinterPage::toPdfFile(pdf, "."), "Example wing");
    QCOMPARE(window.messages.size(), std::size_t(1));
    QVERIFY(
        QString::fromStdString(window.messages[0].text).endsWith(QDir::toNativeSeparators(pdf)));

    const testing::SheetText text = testing::readSheetText(pdf);
    QCOMPARE(text.pages, 1);
    QCOMPARE(std::round(text.width), 842.0);
    QCOMPARE(std::round(text.height), 595.0);
    const testing::Word* title = text.find(QStringLiteral("Example"));
    QVERIFY(title != nullptr);
    QVERIFY2(std::abs(title->yMin / testing::kPointsPerMm - 16) <= 1,
             qPrintable(QString::number(title->yMin / testing::kPointsPerMm)));

    std::vector<testing::Segment> outline;
    for (const auto& s : testing::readSegments(pdf, work_.filePath(QStringLiteral("e.svg")))) {
      if (s.stroke == QLatin1String("rgb(0%,0%,0%)") && s.width < 0.5) outline.push_back(s);
    }
    QCOMPARE(outline.size(), std::size_t(8));  // two panels of four lines each
    const QString fault = testing::trueScaleFault(outline, 0.1);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
  }

  // The file is named after the sheet when the document ends, and never replaces another.
  void pdfFileName_data() {
    QTest::addColumn<QByteArray>("sheetName");
    QTest::addColumn<QString>("baseName");
    const QByteArray e = "\xc3\xa9";  // é, two bytes of UTF-8
    QTest::newRow("accents kept") << QByteArray("Aile d\xc3\xa9rive")
                                  << QString("Aile d\u00e9rive");
    QTest::newRow("separators, wildcards and controls")
        << QByteArray("a/b\\c:d*e?f\"g<h>i|j\tk\x7f") << QString("a_b_c_d_e_f_g_h_i_j_k_");
    QTest::newRow("dots and blanks trimmed") << QByteArray(" ..hidden. . ") << QString("hidden");
    QTest::newRow("parent folder") << QByteArray("..") << QString("sheet");
    QTest::newRow("empty") << QByteArray() << QString("sheet");
    QTest::newRow("long cut on a character")
        << ("a" + e.repeated(150)) << QString(QStringLiteral("a") + QString(99, QChar(0xe9)));
  }

  void pdfFileName() {
    QFETCH(QByteArray, sheetName);
    QFETCH(QString, baseName);
    QTemporaryDir folder;
    const QString base = QDir(folder.path()).absolutePath() + QLatin1Char('/') + baseName;
    for (const QString& expected : {base + ".pdf", base + " (2).pdf"}) {
      std::string name;  // named only after the page was opened, as the print command does
      auto page = qt::QtPrinterPage::toPdfFolder(folder.path(), name, ".");
      name = sheetName.toStdString();
      page->setLandscape();
      page->endDocument();
      QCOMPARE(QString::fromStdString(page->deliveryNote()), expected);
      QVERIFY(QFileInfo::exists(expected));
    }
  }

  // A printer that cannot take the document gives message 16 alone and leaves no file behind.
  void printerFaultReported_data() {
    QTest::addColumn<QString>("folder");  // a new file named after the sheet in here
    QTest::addColumn<QString>("file");    // or this file
    QTest::newRow("folder missing") << work_.filePath(QStringLiteral("missing")) << QString();
    // Writes to /dev/full fail like a full disk; that is no finished sheet.
    QTest::newRow("disk full") << QString() << QStringLiteral("/dev/full");
  }

  void printerFaultReported() {
    QFETCH(QString, folder);
    QFETCH(QString, file);
    if (!file.isEmpty() && !QFileInfo::exists(file)) QSKIP("no such device here");
    SheetWindow window;
    std::string sheet = "Lost";
    auto page = folder.isEmpty() ? qt::QtPrinterPage::toPdfFile(file, ".")
                                 : qt::QtPrinterPage::toPdfFolder(folder, sheet, ".");
    printExample(window, *page, sheet);
    QCOMPARE(window.messages.size(), std::size_t(1));
    QCOMPARE(window.messages[0].text,
             std::string("The printer reported a fault: the sheet could not be printed."));
    QCOMPARE(window.messages[0].icon, base::Icon::Critical);
    if (!folder.isEmpty()) QVERIFY(!QFileInfo::exists(folder));
  }
};

}  // namespace tavelor

QTEST_MAIN(tavelor::PrinterPageTest)
#include "printer_page_test.moc"

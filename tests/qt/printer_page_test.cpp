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

#include "i18n/language.h"
#include "plot/print_sheet.h"
#include "support/language_folder.h"
#include "support/pdf_sheet.h"
#include "wing/geometry.h"

namespace tavelor {

class PrinterPageTest : public QObject {
  Q_OBJECT

  QTemporaryDir work_;

  // The two-panel example wing printed in English on page, and the document ended.
  void printExample(plot::PageSurface& page, const std::string& sheet) {
    testing::RecordingMessages faults;
    i18n::Language language(TAVELOR_LANG_DIR, faults);
    language.setLanguage("English");
    const auto results =
        *wing::computeWing({{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 1500}).results;
    const wing::WingGeometry geometry = wing::wingGeometry(results);
    plot::printSheet({results, geometry, sheet, "02/03/2024", "."}, language, page);
    page.endDocument();
    QVERIFY(faults.messages.empty());
  }

 private slots:
  void exampleWingSheet() {
    const QString pdf = work_.filePath(QStringLiteral("example.pdf"));
    const auto page = qt::QtPrinterPage::toPdfFile(pdf, ".");
    printExample(*page, "Example wing");
    QVERIFY(QString::fromStdString(page->deliveryNote()).endsWith(QDir::toNativeSeparators(pdf)));

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

  // A printer that cannot take the document fails the print and leaves no file behind.
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
    std::string sheet = "Lost";
    bool failed = false;
    try {
      auto page = folder.isEmpty() ? qt::QtPrinterPage::toPdfFile(file, ".")
                                   : qt::QtPrinterPage::toPdfFolder(folder, sheet, ".");
      printExample(*page, sheet);
    } catch (const plot::PageError&) {
      failed = true;
    }
    QVERIFY(failed);
    if (!folder.isEmpty()) QVERIFY(!QFileInfo::exists(folder));
  }
};

}  // namespace tavelor

QTEST_MAIN(tavelor::PrinterPageTest)
#include "printer_page_test.moc"

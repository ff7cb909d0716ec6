// The printer page into PDF files for real: where the PDF fallback puts a sheet and how it names
// it, and what a printer that cannot take the document does. What the paper holds is read back
// from the real program's PDFs by the system tests.

#include "qt/printer_page.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "i18n/language.h"
#include "plot/print_sheet.h"
#include "support/example_wing.h"
#include "support/file_size_limit.h"
#include "support/language_folder.h"
#include "wing/geometry.h"

namespace tavelor {

class PrinterPageTest : public QObject {
  Q_OBJECT

  QTemporaryDir work_;

  // The two-panel wing printed in English on page.
  void printExample(plot::PageSurface& page, const std::string& sheet) {
    testing::RecordingMessages faults;
    i18n::Language language(TAVELOR_LANG_DIR, faults);
    language.setLanguage("English");
    const auto results = *wing::computeWing(testing::kTwoPanelWing).results;
    page.print(plot::sheetDrawing({results, wing::wingGeometry(results), sheet, "02/03/2024", "."},
                                  language, page));
    QVERIFY(faults.messages.empty());
  }

 private slots:
  // The file is named after the sheet when the document ends, and never replaces another.
  void pdfFileName() {
    const struct {
      QByteArray sheet;
      QString file;
    } cases[] = {{"a/b\\c:d*e?f\"g<h>i|j\tk\x7f", "a_b_c_d_e_f_g_h_i_j_k_"},
                 {" ..hidden. . ", "hidden"},
                 {"..", "sheet"},
                 // cut to at most 200 bytes on a whole character, accents kept
                 {"a" + QByteArray("\xc3\xa9").repeated(150), "a" + QString(99, QChar(0xe9))}};
    for (const auto& c : cases) {
      QTemporaryDir folder;
      const QString base = QDir(folder.path()).absolutePath() + QLatin1Char('/') + c.file;
      for (const QString& expected : {base + ".pdf", base + " (2).pdf"}) {
        std::string name;  // named only after the page was opened, as the print command does
        auto page = qt::QtPrinterPage::toPdfFolder(folder.path(), name);
        name = c.sheet.toStdString();
        page->print({});
        QCOMPARE(QString::fromStdString(page->deliveryNote()), expected);
        QVERIFY(QFileInfo::exists(expected));
      }
    }
  }

  // A printer that cannot take the document fails the print and leaves nothing behind: a
  // missing folder, and a disk that fills up.
  void printerFaultReported() {
    const QString missing = work_.filePath(QStringLiteral("missing"));
    const std::string sheet = "Lost";
    QVERIFY_THROWS_EXCEPTION(plot::PageError,
                             printExample(*qt::QtPrinterPage::toPdfFolder(missing, sheet), sheet));
    QVERIFY(!QFileInfo::exists(missing));
    {
      const testing::FileSizeLimit fullDisk(1000);
      const auto page = qt::QtPrinterPage::toPdfFolder(work_.path(), sheet);
      QVERIFY_THROWS_EXCEPTION(plot::PageError, printExample(*page, sheet));
      page->abortDocument();
    }
    QVERIFY(!QFileInfo::exists(work_.filePath(QStringLiteral("Lost.pdf"))));
  }
};

}  // namespace tavelor

QTEST_MAIN(tavelor::PrinterPageTest)
#include "printer_page_test.moc"

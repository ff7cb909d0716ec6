// What the program hands out, read back by tools that share nothing with it: the sheet and the
// full-size template printed through QPrinter into PDF files and read with poppler's tools, so
// page size, labels and true scale are checked on the paper itself; the outline SVG read as XML.

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "i18n/language.h"
#include "plot/print_sheet.h"
#include "qt/outline_svg.h"
#include "qt/printer_page.h"
#include "qt/template_page.h"
#include "support/language_folder.h"
#include "support/outline_wing.h"
#include "support/pdf_sheet.h"
#include "wing/geometry.h"

namespace tavelor {
namespace {

const QString kBlack = QStringLiteral("rgb(0%,0%,0%)");

QList<double> numbers(QStringView text) {
  static const QRegularExpression number(QStringLiteral("[-+]?[0-9.]+(e[-+]?[0-9]+)?"));
  QList<double> values;
  for (const auto& match : number.globalMatch(text)) values << match.captured().toDouble();
  return values;
}

}  // namespace

class OutputsTest : public QObject {
  Q_OBJECT

  QTemporaryDir work_;

  // The two-panel wing printed in English on page, and the document ended.
  void printExample(plot::PageSurface& page, const std::string& sheet) {
    testing::RecordingMessages faults;
    i18n::Language language(TAVELOR_LANG_DIR, faults);
    language.setLanguage("English");
    const auto results = *wing::computeWing(testing::kTwoPanelWing).results;
    plot::printSheet({results, wing::wingGeometry(results), sheet, "02/03/2024", "."}, language,
                     page);
    page.endDocument();
    QVERIFY(faults.messages.empty());
  }

 private slots:
  void sheetAtTrueScale() {
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
      if (s.stroke == kBlack && s.width < 0.5) outline.push_back(s);
    }
    QCOMPARE(outline.size(), std::size_t(8));  // two panels of four lines each
    const QString fault = testing::trueScaleFault(outline, 0.1);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
  }

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
        auto page = qt::QtPrinterPage::toPdfFolder(folder.path(), name, ".");
        name = c.sheet.toStdString();
        page->setLandscape();
        page->endDocument();
        QCOMPARE(QString::fromStdString(page->deliveryNote()), expected);
        QVERIFY(QFileInfo::exists(expected));
      }
    }
  }

  // A printer that cannot take the document fails the print and leaves nothing behind: a
  // missing folder, and /dev/full, whose writes fail like a full disk's.
  void printerFaultReported() {
    const QString missing = work_.filePath(QStringLiteral("missing"));
    const std::string sheet = "Lost";
    QVERIFY_THROWS_EXCEPTION(
        plot::PageError, printExample(*qt::QtPrinterPage::toPdfFolder(missing, sheet, "."), sheet));
    QVERIFY(!QFileInfo::exists(missing));
    QVERIFY_THROWS_EXCEPTION(plot::PageError,
                             printExample(*qt::QtPrinterPage::toPdfFile("/dev/full", "."), sheet));
  }

  // Swept back 400 mm over a half span of 500 mm, root chord 300 mm: three columns and two rows
  // of A4 after an overview page, the top row's last tile empty and left out.
  void templateOverFivePages() {
    const auto wing = wing::computeWing({{{300, 100, 500, 400}}, 25, 500});
    const QString pdf = work_.filePath(QStringLiteral("swept.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    qt::printWingTemplate(printer, wing::wingGeometry(*wing.results),
                          {"Swept wing", "Span 1000 mm MAC 216 mm"});

    const testing::SheetText text = testing::readSheetText(pdf);
    QCOMPARE(text.pages, 6);
    QCOMPARE(std::round(text.width), 595.0);
    QCOMPARE(std::round(text.height), 842.0);
    auto words = [&](int page) {
      const QString n = QString::number(page);
      return QString::fromUtf8(testing::runTool("pdftotext", {"-f", n, "-l", n, pdf, "-"}))
          .simplified();
    };
    QVERIFY(words(1).contains(QStringLiteral("Swept wing Span 1000 mm MAC 216 mm")));

    // Each tile's black 0.25 mm lines: inside the printable area (190 x 277 mm from (10, 10),
    // tiles stepping by 180 and 267 mm) the outline, taken back into the drawing; below it the
    // scale bar.
    const int rows[] = {0, 0, 1, 1, 1}, columns[] = {0, 1, 0, 1, 2};
    std::vector<QLineF> outline;
    for (int i = 0; i < 5; ++i) {
      const QString label = QStringLiteral("Swept wing 1:1 R%1C%2 %3 / 6")
                                .arg(rows[i] + 1)
                                .arg(columns[i] + 1)
                                .arg(i + 2);
      QVERIFY2(words(i + 2).contains(label) && words(i + 2).contains(QStringLiteral("100 mm")),
               qPrintable(words(i + 2)));
      const QString single = work_.filePath(QStringLiteral("page-%1.pdf").arg(i + 2));
      testing::runTool("pdfseparate",
                       {"-f", QString::number(i + 2), "-l", QString::number(i + 2), pdf, single});
      const QTransform toDrawing =
          QTransform::fromTranslate(columns[i] * 180.0 - 10, rows[i] * 267.0 - 10)
              .scale(1 / testing::kPointsPerMm, 1 / testing::kPointsPerMm);
      int bars = 0;
      for (const auto& s : testing::readSegments(single, single + ".svg")) {
        if (s.stroke != kBlack || std::abs(s.width / testing::kPointsPerMm - 0.25) > 0.02) continue;
        if (s.from.y() / testing::kPointsPerMm < 287.01) {
          outline.push_back(toDrawing.map(QLineF(s.from, s.to)));
        } else if (!s.vertical()) {
          ++bars;
          const double barMm = s.length() / testing::kPointsPerMm;
          QVERIFY2(std::abs(barMm - 100) <= 0.1, qPrintable(QString::number(barMm)));
        }
      }
      QCOMPARE(bars, 1);
    }
    // Reassembled, the outline spans the half span and, from the root's leading edge to the
    // tip's trailing edge, 400 + 100 mm over both rows.
    QRectF extent;
    for (const QLineF& l : outline) extent |= QRectF(l.p1(), l.p2()).normalized();
    QVERIFY2(std::abs(extent.width() - 500) <= 0.1 && std::abs(extent.height() - 500) <= 0.1,
             qPrintable(QStringLiteral("%1 x %2 mm").arg(extent.width()).arg(extent.height())));
  }

  // Size and viewBox in millimetres, and every line where the wing's inputs put it once the
  // group transform Qt writes is applied.
  void outlineSvg() {
    const wing::WingResults wing = wing::computeWing(testing::kTwoPanelWing).results.value();
    const QString title = QStringLiteral("Wing <A & B> \"2\"");
    QXmlStreamReader xml(qt::outlineSvg(wing::wingGeometry(wing), title));
    std::string read, stroke;
    QTransform transform;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      const auto a = xml.attributes();
      const auto text = [&a](const char* name) { return a.value(name).toString().toStdString(); };
      if (xml.name() == QLatin1String("svg")) {
        read += text("width") + ' ' + text("height") + ' ' + text("viewBox") + '\n';
      } else if (xml.name() == QLatin1String("title")) {
        QCOMPARE(xml.readElementText(), title);
      } else if (xml.name() == QLatin1String("g") && a.hasAttribute("transform")) {
        stroke = text("stroke") + ' ' + text("stroke-width");
        const QList<double> m = numbers(a.value("transform"));
        QCOMPARE(m.size(), 6);
        transform = QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
      } else if (xml.name() == QLatin1String("path") || xml.name() == QLatin1String("polyline")) {
        const QList<double> xy = numbers(a.value(a.hasAttribute("d") ? "d" : "points"));
        read += stroke;
        for (qsizetype k = 0; k + 1 < xy.size(); k += 2) {
          const QPointF p = transform.map(QPointF(xy[k], xy[k + 1]));
          read += testing::fixed(p.x(), 3) + testing::fixed(p.y(), 3);
        }
        read += '\n';
      }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));

    // The wing spans x 0..700, y 0..250: 5 mm around it, one user unit a millimetre. SVG's y
    // points down, so y stays aft and the leading edge on top. Each outline closes on its first
    // corner. Qt writes six significant digits: 0.001 mm at this size.
    std::string expected = "710mm 260mm -5 -5 710 260\n";
    const char* strokes[] = {"#000000", "#000000", "#ff0000", "#0000ff", "#0000ff"};
    auto lines = testing::expectedOutline(wing, 1);
    for (auto i : {0, 1}) lines[i].insert(lines[i].end(), {lines[i][0], lines[i][1]});
    for (std::size_t i = 0; i < lines.size(); ++i) {
      expected += std::string(strokes[i]) + " 0.25";
      for (const double v : lines[i]) expected += testing::fixed(v, 3);
      expected += '\n';
    }
    QCOMPARE(QString::fromStdString(read), QString::fromStdString(expected));
  }
};

}  // namespace tavelor

QTEST_MAIN(tavelor::OutputsTest)
#include "outputs_test.moc"

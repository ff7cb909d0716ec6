// What the program prints, read back by tools that share nothing with it: the sheet and the
// full-size template printed through QPrinter into PDF files and read with poppler's tools, so
// page size, labels and true scale are checked on the paper itself.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "i18n/language.h"
#include "plot/print_sheet.h"
#include "qt/printer_page.h"
#include "qt/template_page.h"
#include "support/example_wing.h"
#include "support/language_folder.h"
#include "wing/geometry.h"

namespace tavelor {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;
const QString kBlack = QStringLiteral("rgb(0%,0%,0%)");

QList<double> numbers(QStringView text) {
  static const QRegularExpression number(QStringLiteral("[-+]?[0-9.]+(e[-+]?[0-9]+)?"));
  QList<double> values;
  for (const auto& match : number.globalMatch(text)) values << match.captured().toDouble();
  return values;
}

QString runTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

struct PdfPage {
  double width, height;            // points
  QString text;                    // the words, a blank after each
  std::map<QString, double> tops;  // each word's first top edge, points from the top
};

// The pages as pdftotext -bbox reads them.
std::vector<PdfPage> readPages(const QString& pdf) {
  static const QRegularExpression size(R"-(<page width="([\d.]+)" height="([\d.]+)">)-"),
      word(R"-(<word xMin="[\d.]+" yMin="([\d.]+)"[^>]*>([^<]*)</word>)-");
  std::vector<PdfPage> pages;
  for (const QString& page : runTool("pdftotext", {"-bbox", pdf, "-"}).split("</page>")) {
    const auto m = size.match(page);
    if (!m.hasMatch()) continue;
    PdfPage read{m.captured(1).toDouble(), m.captured(2).toDouble(), {}, {}};
    for (const auto& w : word.globalMatch(page)) {
      read.text += w.captured(2) + ' ';
      read.tops.emplace(w.captured(2), w.captured(1).toDouble());
    }
    pages.push_back(read);
  }
  return pages;
}

struct Segment {
  QString stroke;  // as "rgb(100%,0%,0%)"
  double width;    // points
  QLineF line;     // millimetres from the page's top-left corner
};

// Every stroked straight line on one page, from pdftocairo's SVG.
std::vector<Segment> readSegments(const QString& pdf, int page) {
  const QString n = QString::number(page), svgPath = pdf + n + ".svg";
  runTool("pdftocairo", {"-svg", "-f", n, "-l", n, pdf, svgPath});
  QFile file(svgPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  static const QRegularExpression path("<path ([^>]*)/>"), stroke("stroke:(rgb\\([^)]*\\))"),
      width("stroke-width:([\\d.e-]+)"), data(" d=\"([^\"]*)\""),
      transform("transform=\"matrix\\(([^)]*)\\)\"");
  std::vector<Segment> segments;
  for (const auto& p : path.globalMatch(QString::fromUtf8(file.readAll()))) {
    const QString attributes = p.captured(1);
    const auto s = stroke.match(attributes);
    const auto d = data.match(attributes);
    if (!s.hasMatch() || !d.hasMatch()) continue;
    QTransform matrix;
    if (const auto t = transform.match(attributes); t.hasMatch()) {
      const QList<double> m = numbers(t.captured(1));
      matrix = QTransform(m.value(0), m.value(1), m.value(2), m.value(3), m.value(4), m.value(5));
    }
    const double strokeWidth =
        width.match(attributes).captured(1).toDouble() * std::sqrt(std::abs(matrix.determinant()));
    matrix *= QTransform::fromScale(1 / kPointsPerMm, 1 / kPointsPerMm);
    // Qt's PDF writer strokes lines as moves and lines only: "M x y L x y L x y".
    const QStringList tokens = d.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPointF current;
    for (qsizetype i = 0; i + 2 < tokens.size(); i += 3) {
      const QPointF next = matrix.map(QPointF(tokens[i + 1].toDouble(), tokens[i + 2].toDouble()));
      if (tokens[i] == "L") segments.push_back({s.captured(1), strokeWidth, {current, next}});
      current = next;
    }
  }
  return segments;
}

// Empty when the lines span width x height mm, to 0.1 mm; else what they span.
QString spanFault(const std::vector<QLineF>& lines, double width, double height) {
  QRectF span;
  for (const QLineF& l : lines) span |= QRectF(l.p1(), l.p2()).normalized();
  if (std::abs(span.width() - width) <= 0.1 && std::abs(span.height() - height) <= 0.1) return {};
  return QStringLiteral("%1 x %2 mm").arg(span.width()).arg(span.height());
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

    auto pages = readPages(pdf);
    QCOMPARE(pages.size(), std::size_t(1));
    QCOMPARE(std::round(pages[0].width), 842.0);
    QCOMPARE(std::round(pages[0].height), 595.0);
    const double titleTop = pages[0].tops["Example"] / kPointsPerMm;
    QVERIFY2(std::abs(titleTop - 16) <= 1, qPrintable(QString::number(titleTop)));

    // The example wing at 1/5: the half span of 700 mm is 140 mm on paper, the root chord 50.
    std::vector<QLineF> outline;
    for (const auto& s : readSegments(pdf, 1)) {
      if (s.stroke == kBlack && s.width < 0.5) outline.push_back(s.line);
    }
    QCOMPARE(outline.size(), std::size_t(8));  // two panels of four lines each
    const QString fault = spanFault(outline, 140, 50);
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

    const auto pages = readPages(pdf);
    QCOMPARE(pages.size(), std::size_t(6));
    QCOMPARE(std::round(pages[0].width), 595.0);
    QCOMPARE(std::round(pages[0].height), 842.0);
    QVERIFY2(pages[0].text.contains("Swept wing Span 1000 mm MAC 216 mm"),
             qPrintable(pages[0].text));

    // Each tile's black 0.25 mm lines: inside the printable area (190 x 277 mm from (10, 10),
    // tiles stepping by 180 and 267 mm) the outline, taken back into the drawing; below it the
    // 100 mm scale bar.
    const int rows[] = {0, 0, 1, 1, 1}, columns[] = {0, 1, 0, 1, 2};
    std::vector<QLineF> outline;
    for (int i = 0; i < 5; ++i) {
      const QString& text = pages[i + 1].text;
      const QString label = QStringLiteral("Swept wing 1:1 R%1C%2 %3 / 6")
                                .arg(rows[i] + 1)
                                .arg(columns[i] + 1)
                                .arg(i + 2);
      QVERIFY2(text.contains(label) && text.contains("100 mm"), qPrintable(text));
      const auto toDrawing =
          QTransform::fromTranslate(columns[i] * 180.0 - 10, rows[i] * 267.0 - 10);
      int bars = 0;
      for (const auto& s : readSegments(pdf, i + 2)) {
        if (s.stroke != kBlack || std::abs(s.width / kPointsPerMm - 0.25) > 0.02) continue;
        if (s.line.y1() < 287.01) {
          outline.push_back(toDrawing.map(s.line));
        } else if (std::abs(s.line.dy()) < 0.01) {
          ++bars;
          QVERIFY2(std::abs(s.line.length() - 100) <= 0.1,
                   qPrintable(QString::number(s.line.length())));
        }
      }
      QCOMPARE(bars, 1);
    }
    // Reassembled, the outline spans the half span and, from the root's leading edge to the
    // tip's trailing edge, 400 + 100 mm over both rows.
    const QString fault = spanFault(outline, 500, 500);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
    // The root chord, its pieces from both rows laid together: 300 mm.
    double left = 1e9, top = 1e9, bottom = -1e9;
    for (const QLineF& l : outline) left = std::min({left, l.x1(), l.x2()});
    for (const QLineF& l : outline) {
      if (std::abs(l.x1() - left) > 0.05 || std::abs(l.x2() - left) > 0.05) continue;
      top = std::min({top, l.y1(), l.y2()});
      bottom = std::max({bottom, l.y1(), l.y2()});
    }
    QVERIFY2(std::abs(bottom - top - 300) <= 0.1, qPrintable(QString::number(bottom - top)));
  }
};

}  // namespace tavelor

QTEST_MAIN(tavelor::OutputsTest)
#include "outputs_test.moc"

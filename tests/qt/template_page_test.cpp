// The full-size template for real: printed through QPrinter into a PDF file and read back with
// poppler's tools, so the pages, their labels and the true scale are checked on the paper.

#include "qt/template_page.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "support/pdf_sheet.h"
#include "wing/wing.h"

namespace tavelor {

class TemplatePageTest : public QObject {
  Q_OBJECT

  QTemporaryDir work_;

 private slots:
  // Swept back 400 mm over a half span of 500 mm, root chord 300 mm: three columns and two rows
  // of A4, the top row's last page empty and left out.
  void sweptWingOverFivePages() {
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
    auto page = [&](int number) {
      const QString n = QString::number(number);
      return QString::fromUtf8(testing::runTool("pdftotext", {"-f", n, "-l", n, pdf, "-"}))
          .simplified();
    };
    QVERIFY(page(1).contains(QStringLiteral("Swept wing Span 1000 mm MAC 216 mm")));
    QVERIFY(text.find(QStringLiteral("R1C3")) == nullptr);

    // Each tile's outline (black, 0.25 mm, inside the printable area) taken back into the
    // drawing: the printable area is 190 x 277 mm from (10, 10), and the tiles step by 180 and
    // 267 mm.
    const int rows[] = {0, 0, 1, 1, 1}, columns[] = {0, 1, 0, 1, 2};
    std::vector<QLineF> outline;
    for (int i = 0; i < 5; ++i) {
      const QString label = QStringLiteral("Swept wing 1:1 R%1C%2 %3 / 6")
                                .arg(rows[i] + 1)
                                .arg(columns[i] + 1)
                                .arg(i + 2);
      const QString words = page(i + 2);
      QVERIFY2(words.contains(label) && words.contains(QStringLiteral("100 mm")),
               qPrintable(words));
      const QString single = work_.filePath(QStringLiteral("page-%1.pdf").arg(i + 2));
      testing::runTool("pdfseparate",
                       {"-f", QString::number(i + 2), "-l", QString::number(i + 2), pdf, single});
      const QTransform toDrawing =
          QTransform::fromTranslate(columns[i] * 180.0 - 10, rows[i] * 267.0 - 10)
              .scale(1 / testing::kPointsPerMm, 1 / testing::kPointsPerMm);
      for (const auto& s : testing::readSegments(single, single + ".svg")) {
        if (s.stroke == QLatin1String("rgb(0%,0%,0%)") &&
            std::abs(s.width / testing::kPointsPerMm - 0.25) < 0.02 &&
            s.from.y() / testing::kPointsPerMm < 287.01) {
          outline.push_back(toDrawing.map(QLineF(s.from, s.to)));
        }
      }
    }
    double left = 1e9, right = -1e9, rootTop = 1e9, rootBottom = -1e9;
    for (const QLineF& l : outline) {
      left = std::min({left, l.x1(), l.x2()});
      right = std::max({right, l.x1(), l.x2()});
      if (l.x1() < 100 && std::abs(l.dx()) < 0.01) {  // the root chord, over both rows
        rootTop = std::min({rootTop, l.y1(), l.y2()});
        rootBottom = std::max({rootBottom, l.y1(), l.y2()});
      }
    }
    QVERIFY2(std::abs(right - left - 500) <= 0.1, qPrintable(QString::number(right - left)));
    QVERIFY2(std::abs(rootBottom - rootTop - 300) <= 0.1,
             qPrintable(QString::number(rootBottom - rootTop)));

    // The scale bar on the first tile runs 3 mm below the printable area from 17 mm; its end
    // ticks, rendered at 1200 dpi in a band clear of the bar and of the text beside it.
    constexpr double dotsPerMm = 1200 / 25.4;
    const QString bar = work_.filePath(QStringLiteral("bar"));
    auto dots = [&](double mm) { return QString::number(std::lround(mm * dotsPerMm)); };
    testing::runTool("pdftoppm",
                     {"-f", "2", "-l", "2", "-r", "1200", "-gray", "-singlefile", "-x", dots(12),
                      "-y", dots(288.7), "-W", dots(107), "-H", dots(0.8), pdf, bar});
    const QImage ticks(bar + ".pgm");
    double sum[2] = {}, count[2] = {};  // the dark dots of the left and right tick
    for (int x = 0; x < ticks.width(); ++x) {
      if (qGray(ticks.pixel(x, ticks.height() / 2)) >= 128) continue;
      sum[2 * x / ticks.width()] += x;
      ++count[2 * x / ticks.width()];
    }
    QVERIFY(count[0] > 0 && count[1] > 0);
    const double barMm = (sum[1] / count[1] - sum[0] / count[0]) / dotsPerMm;
    QVERIFY2(std::abs(barMm - 100) <= 0.1, qPrintable(QString::number(barMm)));
  }
};

}  // namespace tavelor

QTEST_MAIN(tavelor::TemplatePageTest)
#include "template_page_test.moc"

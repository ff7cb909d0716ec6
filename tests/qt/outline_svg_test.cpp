// The outline SVG read back as XML: size and viewBox in millimetres, and every line where the
// wing's inputs put it once the group transform Qt writes is applied.

#include "qt/outline_svg.h"

#include <QRegularExpression>
#include <QTest>
#include <QTransform>
#include <QXmlStreamReader>

#include "support/outline_wing.h"
#include "wing/geometry.h"

namespace tavelor {
namespace {

QList<double> numbers(QStringView text) {
  static const QRegularExpression number(QStringLiteral("[-+]?[0-9.]+(e[-+]?[0-9]+)?"));
  QList<double> values;
  for (const auto& match : number.globalMatch(text)) values << match.captured().toDouble();
  return values;
}

}  // namespace

class OutlineSvgTest : public QObject {
  Q_OBJECT

 private slots:
  void twoPanelWingAtTrueScale() {
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

QTEST_MAIN(tavelor::OutlineSvgTest)
#include "outline_svg_test.moc"

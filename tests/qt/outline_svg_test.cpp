// The outline SVG read back as XML: the page's size and viewBox in millimetres, and every line
// where the wing's inputs put it once the group transforms Qt writes are applied.

#include "qt/outline_svg.h"

#include <QRegularExpression>
#include <QTest>
#include <QTransform>
#include <QXmlStreamReader>
#include <vector>

#include "wing/geometry.h"

namespace tavelor {
namespace {

struct Shape {
  QString stroke, strokeWidth;
  QPolygonF points;  // in viewBox units, transforms applied
};

struct SvgContents {
  QString width, height, viewBox, title;
  std::vector<Shape> shapes;
};

// The numbers of a path's data or a polyline's points, each pair mapped; false on a curve or an
// arc, which an outline never has.
bool mapPoints(const QString& data, const QTransform& transform, QPolygonF& points) {
  static const QRegularExpression token(QStringLiteral("[-+]?[0-9.]+(?:e[-+]?[0-9]+)?|[A-Za-z]"));
  std::vector<double> numbers;
  for (const auto& match : token.globalMatch(data)) {
    const QString t = match.captured();
    if (t[0].isLetter()) {
      if (t != QLatin1String("M") && t != QLatin1String("L")) return false;
    } else {
      numbers.push_back(t.toDouble());
    }
  }
  for (std::size_t i = 0; i + 1 < numbers.size(); i += 2) {
    points << transform.map(QPointF(numbers[i], numbers[i + 1]));
  }
  return numbers.size() % 2 == 0;
}

SvgContents readSvg(const QByteArray& bytes) {
  SvgContents svg;
  QXmlStreamReader xml(bytes);
  // Each open group's stroke, width and transform, as inherited by what it holds.
  struct Group {
    QString stroke, strokeWidth;
    QTransform transform;
  };
  std::vector<Group> groups{{}};
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement() && xml.name() == QLatin1String("g")) groups.pop_back();
    if (!xml.isStartElement()) continue;
    const auto a = xml.attributes();
    const QString name = xml.name().toString();
    if (name == QLatin1String("svg")) {
      svg.width = a.value("width").toString();
      svg.height = a.value("height").toString();
      svg.viewBox = a.value("viewBox").toString();
    } else if (name == QLatin1String("title")) {
      svg.title = xml.readElementText();
    } else if (name == QLatin1String("g")) {
      Group g = groups.back();
      if (a.hasAttribute("stroke")) g.stroke = a.value("stroke").toString();
      if (a.hasAttribute("stroke-width")) g.strokeWidth = a.value("stroke-width").toString();
      static const QRegularExpression matrix(QStringLiteral("^matrix\\(([^)]*)\\)$"));
      const QString transform = a.value("transform").toString();
      if (const auto m = matrix.match(transform); m.hasMatch()) {
        const QStringList v = m.captured(1).split(QLatin1Char(','));
        g.transform = QTransform(v[0].toDouble(), v[1].toDouble(), v[2].toDouble(), v[3].toDouble(),
                                 v[4].toDouble(), v[5].toDouble()) *
                      g.transform;
      } else if (!transform.isEmpty()) {
        qWarning() << "unread transform" << transform;
        return {};
      }
      groups.push_back(g);
    } else if (name == QLatin1String("path") || name == QLatin1String("polyline")) {
      Shape shape{groups.back().stroke, groups.back().strokeWidth, {}};
      const QString data = a.value(name == QLatin1String("path") ? "d" : "points").toString();
      if (!mapPoints(data, groups.back().transform, shape.points)) {
        qWarning() << "unread" << name << data;
        return {};
      }
      svg.shapes.push_back(shape);
    }
  }
  if (xml.hasError()) qWarning() << "not XML:" << xml.errorString();
  return xml.hasError() ? SvgContents{} : svg;
}

}  // namespace

class OutlineSvgTest : public QObject {
  Q_OBJECT

 private slots:
  void twoPanelWingAtTrueScale() {
    const wing::WingInputs inputs{{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 1500};
    const wing::WingResults wing = wing::computeWing(inputs).results.value();
    const QString title = QStringLiteral("Wing <A & B> \"2\"");
    const SvgContents svg = readSvg(qt::outlineSvg(wing::wingGeometry(wing), title));

    // The wing spans x 0..700 and y 0..250 (leading edge at the root to its trailing edge):
    // 5 mm around it, one user unit a millimetre.
    QCOMPARE(svg.width, QStringLiteral("710mm"));
    QCOMPARE(svg.height, QStringLiteral("260mm"));
    QCOMPARE(svg.viewBox, QStringLiteral("-5 -5 710 260"));
    QCOMPARE(svg.title, title);

    // y aft, downward: each panel's leading edge sits its sweep below the root's, the trailing
    // edge one chord below that; each outline closes on its first corner.
    std::vector<Shape> expected;
    double x = 0, sweepBefore = 0;
    for (const wing::Panel& p : inputs.panels) {
      expected.push_back({"#000000",
                          "0.25",
                          {{x, sweepBefore},
                           {x + p.length, p.sweep},
                           {x + p.length, p.sweep + p.tipChord},
                           {x, sweepBefore + p.rootChord},
                           {x, sweepBefore}}});
      x += p.length;
      sweepBefore = p.sweep;
    }
    const double station = wing.macStation, cg = wing.centring;
    expected.push_back(
        {"#ff0000",
         "0.25",
         {{station, wing.macLeadingEdge}, {station, wing.macLeadingEdge + wing.macLength}}});
    expected.push_back({"#0000ff", "0.25", {{station - 5, cg}, {station + 5, cg}}});
    expected.push_back({"#0000ff", "0.25", {{station, cg - 5}, {station, cg + 5}}});

    QCOMPARE(svg.shapes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const Shape &got = svg.shapes[i], &want = expected[i];
      const QByteArray where = "shape " + QByteArray::number(qsizetype(i));
      QVERIFY2(got.stroke == want.stroke && got.strokeWidth == want.strokeWidth, where);
      QVERIFY2(got.points.size() == want.points.size(), where);
      for (qsizetype k = 0; k < want.points.size(); ++k) {
        // Qt writes six significant digits: 0.001 mm at this size.
        const QPointF error = got.points[k] - want.points[k];
        QVERIFY2(std::abs(error.x()) <= 1e-3 && std::abs(error.y()) <= 1e-3,
                 where + ", point " + QByteArray::number(qsizetype(k)));
      }
    }
  }
};

}  // namespace tavelor

QTEST_MAIN(tavelor::OutlineSvgTest)
#include "outline_svg_test.moc"

#pragma once

// A printed sheet read back from its PDF with poppler's tools: the words with their boxes
// (pdftotext -bbox) and every stroked straight segment (pdftocairo -svg). Qt tests only.

#include <QFile>
#include <QPointF>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

namespace tavelor::testing {

inline constexpr double kPointsPerMm = 72 / 25.4;

struct Word {
  QString text;
  double xMin, yMin, xMax, yMax;  // points from the page's top-left corner
};

struct SheetText {
  int pages = 0;
  double width = 0, height = 0;  // of the first page, points
  std::vector<Word> words;

  const Word* find(const QString& text) const {
    const auto it =
        std::find_if(words.begin(), words.end(), [&](auto& w) { return w.text == text; });
    return it == words.end() ? nullptr : &*it;
  }
};

struct Segment {
  QString stroke;  // the SVG colour, as "rgb(100%,0%,0%)"
  double width;    // points
  QPointF from, to;
  double length() const { return std::hypot(to.x() - from.x(), to.y() - from.y()); }
  bool vertical() const { return std::abs(to.x() - from.x()) < 0.05; }
};

inline QByteArray runTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60000);
  return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
}

inline SheetText readSheetText(const QString& pdf) {
  const QString html = QString::fromUtf8(runTool("pdftotext", {"-bbox", pdf, "-"}));
  SheetText text;
  static const QRegularExpression page("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">");
  static const QRegularExpression word(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
      "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>");
  for (auto it = page.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    if (text.pages++ == 0) text = {1, m.captured(1).toDouble(), m.captured(2).toDouble(), {}};
  }
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    text.words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                          m.captured(3).toDouble(), m.captured(4).toDouble()});
  }
  return text;
}

// Every stroked line on the first page, in page points.
inline std::vector<Segment> readSegments(const QString& pdf, const QString& svgPath) {
  runTool("pdftocairo", {"-svg", "-f", "1", "-l", "1", pdf, svgPath});
  QFile file(svgPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString svg = QString::fromUtf8(file.readAll());
  static const QRegularExpression path("<path ([^>]*)/>"), stroke("stroke:(rgb\\([^)]*\\))"),
      width("stroke-width:([\\d.e-]+)"), data(" d=\"([^\"]*)\""),
      transform("transform=\"matrix\\(([^)]*)\\)\"");
  std::vector<Segment> segments;
  for (auto it = path.globalMatch(svg); it.hasNext();) {
    const QString attributes = it.next().captured(1);
    const auto s = stroke.match(attributes);
    const auto d = data.match(attributes);
    if (!s.hasMatch() || !d.hasMatch()) continue;
    QTransform matrix;
    if (const auto t = transform.match(attributes); t.hasMatch()) {
      const QStringList m = t.captured(1).split(QLatin1Char(','));
      matrix = QTransform(m.value(0).toDouble(), m.value(1).toDouble(), m.value(2).toDouble(),
                          m.value(3).toDouble(), m.value(4).toDouble(), m.value(5).toDouble());
    }
    const double strokeWidth =
        width.match(attributes).captured(1).toDouble() * std::sqrt(std::abs(matrix.determinant()));
    // Qt's PDF writer strokes lines as moves and lines only: "M x y L x y L x y".
    const QStringList tokens = d.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPointF current;
    for (qsizetype i = 0; i + 2 < tokens.size(); i += 3) {
      const QPointF next = matrix.map(QPointF(tokens[i + 1].toDouble(), tokens[i + 2].toDouble()));
      if (tokens[i] == "L") segments.push_back({s.captured(1), strokeWidth, current, next});
      current = next;
    }
  }
  return segments;
}

// Empty when a wing outline shows the example wing at 1/5 (root chord 250 mm is 50 mm on
// paper, the half span 700 mm is 140 mm) within tolerance (mm), else what is wrong.
inline QString trueScaleFault(const std::vector<Segment>& outline, double tolerance) {
  double x0 = 1e9, x1 = -1e9, root = 0;
  for (const Segment& s : outline) {
    x0 = std::min({x0, s.from.x(), s.to.x()});
    x1 = std::max({x1, s.from.x(), s.to.x()});
  }
  for (const Segment& s : outline) {
    if (s.vertical() && std::abs(s.from.x() - x0) < 0.05) root = s.length() / kPointsPerMm;
  }
  const double span = (x1 - x0) / kPointsPerMm;
  if (std::abs(root - 50) <= tolerance && std::abs(span - 140) <= tolerance) return {};
  return QStringLiteral("root chord %1 mm, half span %2 mm on paper").arg(root).arg(span);
}

}  // namespace tavelor::testing

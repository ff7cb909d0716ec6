#pragma once

// A printed sheet read back from its PDF with poppler's tools: the words with their boxes
// (pdftotext -bbox) and every stroked straight segment (pdftocairo -svg). A PDF that went
// through a print queue has been rewritten by its filters, so the reader takes any path made of
// moves and lines, not only the two-point paths the program itself writes. Qt only: included by
// the Qt and system test executables.

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
    for (const Word& w : words) {
      if (w.text == text) return &w;
    }
    return nullptr;
  }
};

struct Segment {
  QString stroke;  // the SVG colour, as "rgb(100%,0%,0%)"
  double width;    // points
  QPointF from, to;
  double length() const { return std::hypot(to.x() - from.x(), to.y() - from.y()); }
  bool vertical() const { return std::abs(to.x() - from.x()) < 0.05; }
  bool horizontal() const { return std::abs(to.y() - from.y()) < 0.05; }
};

inline QByteArray runTool(const QString& program, const QStringList& arguments,
                          QString* error = nullptr) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    if (error) *error = program + QStringLiteral(": ") + process.readAllStandardError();
    return {};
  }
  return process.readAllStandardOutput();
}

inline SheetText readSheetText(const QString& pdf) {
  const QString html = QString::fromUtf8(
      runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
  SheetText text;
  static const QRegularExpression page(
      QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
  static const QRegularExpression word(
      QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                     "yMax=\"([\\d.]+)\">([^<]*)</word>"));
  for (auto it = page.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    if (text.pages++ == 0) {
      text.width = m.captured(1).toDouble();
      text.height = m.captured(2).toDouble();
    }
  }
  for (auto it = word.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    text.words.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                          m.captured(3).toDouble(), m.captured(4).toDouble()});
  }
  return text;
}

// A landscape sheet may come back from a print queue as a portrait page with the sheet turned a
// quarter turn, as printers print landscape. Maps a point of such a page into the sheet's own
// landscape frame; `clockwise` says which way the sheet was turned on the page.
struct SheetFrame {
  double pageWidth = 0, pageHeight = 0;
  bool turned = false;    // portrait page carrying a landscape sheet
  bool clockwise = true;  // the sheet's top edge lies along the page's left edge
  QPointF map(QPointF p) const {
    if (!turned) return p;
    return clockwise ? QPointF(pageHeight - p.y(), p.x()) : QPointF(p.y(), pageWidth - p.x());
  }
  Word map(const Word& w) const {
    const QPointF a = map(QPointF(w.xMin, w.yMin));
    const QPointF b = map(QPointF(w.xMax, w.yMax));
    return {w.text, std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
            std::max(a.y(), b.y())};
  }
  Segment map(const Segment& s) const { return {s.stroke, s.width, map(s.from), map(s.to)}; }
};

// The plain text of every page, as pdftotext lays it out.
inline QString readPlainText(const QString& pdf) {
  return QString::fromUtf8(
      runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
}

// Every straight piece of every stroked path on the first page, in page points.
inline std::vector<Segment> readSegments(const QString& pdf, const QString& svgPath) {
  runTool(QStringLiteral("pdftocairo"),
          {QStringLiteral("-svg"), QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
           QStringLiteral("1"), pdf, svgPath});
  QFile file(svgPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString svg = QString::fromUtf8(file.readAll());
  static const QRegularExpression path(QStringLiteral("<path ([^>]*)/>"));
  static const QRegularExpression stroke(QStringLiteral("stroke:(rgb\\([^)]*\\))"));
  static const QRegularExpression width(QStringLiteral("stroke-width:([\\d.e-]+)"));
  static const QRegularExpression data(QStringLiteral(" d=\"([^\"]*)\""));
  static const QRegularExpression transform(QStringLiteral(
      "transform=\"matrix\\(([-\\d.e]+),([-\\d.e]+),([-\\d.e]+),([-\\d.e]+),([-\\d.e]+),"
      "([-\\d.e]+)\\)\""));
  std::vector<Segment> segments;
  for (auto it = path.globalMatch(svg); it.hasNext();) {
    const QString attributes = it.next().captured(1);
    const auto s = stroke.match(attributes);
    const auto d = data.match(attributes);
    if (!s.hasMatch() || !d.hasMatch() || attributes.contains(QStringLiteral("stroke:none"))) {
      continue;
    }
    QTransform matrix;
    if (const auto t = transform.match(attributes); t.hasMatch()) {
      matrix =
          QTransform(t.captured(1).toDouble(), t.captured(2).toDouble(), t.captured(3).toDouble(),
                     t.captured(4).toDouble(), t.captured(5).toDouble(), t.captured(6).toDouble());
    }
    const double strokeWidth =
        width.match(attributes).captured(1).toDouble() * std::sqrt(std::abs(matrix.determinant()));
    // "M x y L x y L x y Z M ...": curves (C) end the run of straight pieces.
    const QStringList tokens = d.captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPointF start, current;
    bool haveCurrent = false;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
      const QString& op = tokens[i];
      if ((op == QLatin1String("M") || op == QLatin1String("L")) && i + 2 < tokens.size()) {
        const QPointF point =
            matrix.map(QPointF(tokens[i + 1].toDouble(), tokens[i + 2].toDouble()));
        i += 2;
        if (op == QLatin1String("M")) {
          start = point;
        } else if (haveCurrent) {
          segments.push_back({s.captured(1), strokeWidth, current, point});
        }
        current = point;
        haveCurrent = true;
      } else if (op == QLatin1String("Z") && haveCurrent) {
        if (current != start) segments.push_back({s.captured(1), strokeWidth, current, start});
        current = start;
      } else if (op == QLatin1String("C")) {
        if (i + 6 < tokens.size()) {
          current = matrix.map(QPointF(tokens[i + 5].toDouble(), tokens[i + 6].toDouble()));
        }
        i += 6;
      }
    }
  }
  return segments;
}

// The extent of a wing outline on the page: its leftmost and rightmost points and the vertical
// segment at its left, the root chord (null when there is none).
struct OutlineExtent {
  double left = 1e9, right = -1e9;
  const Segment* root = nullptr;
};

inline OutlineExtent measureOutline(const std::vector<Segment>& outline) {
  OutlineExtent extent;
  for (const Segment& s : outline) {
    extent.left = std::min({extent.left, s.from.x(), s.to.x()});
    extent.right = std::max({extent.right, s.from.x(), s.to.x()});
  }
  for (const Segment& s : outline) {
    if (s.vertical() && std::abs(s.from.x() - extent.left) < 0.05) extent.root = &s;
  }
  return extent;
}

// The example wing at 1/5 on paper: root chord 250 mm is 50 mm, the half span 700 mm 140 mm.
// Empty when the outline is at that scale within tolerance (mm), else what is wrong.
inline QString trueScaleFault(const OutlineExtent& extent, double tolerance) {
  if (!extent.root) return QStringLiteral("no root chord on the sheet");
  const double root = extent.root->length() / kPointsPerMm;
  const double span = (extent.right - extent.left) / kPointsPerMm;
  if (std::abs(root - 50) <= tolerance && std::abs(span - 140) <= tolerance) return {};
  return QStringLiteral("root chord %1 mm, half span %2 mm on paper").arg(root).arg(span);
}

}  // namespace tavelor::testing

#include "qt/outline_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "plot/outline_drawing.h"

namespace tavelor::qt {

namespace {

constexpr double kMargin = 5;        // mm, at least, around the drawing
constexpr double kCutWidth = 0.025;  // mm: a hairline, which laser software cuts
constexpr double kMarkWidth = 0.25;  // mm: the marks, drawn rather than cut

// The shortest text that reads back to the same double, in fixed notation whatever the locale.
std::string number(double value) {
  char buffer[512];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0,  // no -0
                                    std::chars_format::fixed);
  return {buffer, result.ptr};
}

std::string point(wing::Point p) { return number(p.x) + "," + number(p.y); }

// An open path through the points, or a closed one (Z back to its first point).
std::string path(const std::vector<wing::Point>& points, bool closed) {
  std::string d;
  for (const wing::Point& p : points) d += (d.empty() ? "M" : " L") + point(p);
  return "<path d=\"" + d + (closed ? " Z" : "") + "\"/>\n";
}

// A group Inkscape and laser software list as a layer of its own, which can be hidden.
std::string layer(const char* name, const char* colour, double width, const std::string& paths) {
  return std::string("<g inkscape:groupmode=\"layer\" inkscape:label=\"") + name + "\" id=\"" +
         name + "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + number(width) +
         "\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\">\n" + paths + "</g>\n";
}

std::string lines(const std::vector<plot::OutlineLine>& lines) {
  std::string paths;
  for (const plot::OutlineLine& l : lines) paths += path({l.from, l.to}, false);
  return paths;
}

// XML 1.0 has no place for control characters at all; the markup characters are escaped.
std::string xmlText(const QString& text) {
  QString clean = text;
  for (QChar& c : clean) {
    if (c.unicode() < 0x20) c = QLatin1Char(' ');
  }
  return clean.toHtmlEscaped().toStdString();
}

}  // namespace

QByteArray outlineSvg(const wing::WingGeometry& geometry, const QString& title) {
  const plot::OutlineDrawing drawing = plot::outlineDrawing(geometry);
  // The box on whole millimetres, so the page's width and height are whole millimetres too.
  const double left = std::floor(drawing.min.x - kMargin);
  const double top = std::floor(drawing.min.y - kMargin);
  const double width = std::ceil(drawing.max.x + kMargin) - left;
  const double height = std::ceil(drawing.max.y + kMargin) - top;

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  svg +=
      "<svg xmlns=\"http://www.w3.org/2000/svg\" "
      "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" width=\"" +
      number(width) + "mm\" height=\"" + number(height) + "mm\" viewBox=\"" + number(left) + " " +
      number(top) + " " + number(width) + " " + number(height) + "\">\n";
  svg += "<title>" + xmlText(title) + "</title>\n";
  svg += "<desc>Half-wing outline, 1:1 in millimetres</desc>\n";
  svg += layer("OUTLINE", "#000000", kCutWidth, path(drawing.outline, true));
  svg += layer("JOINTS", "#00ff00", kCutWidth, lines(drawing.joints));
  svg += layer("MAC", "#ff0000", kMarkWidth, lines({drawing.meanChord}));
  svg += layer("CG", "#0000ff", kMarkWidth,
               lines({drawing.centringCross.begin(), drawing.centringCross.end()}));
  svg += "</svg>\n";
  return QByteArray::fromStdString(svg);
}

}  // namespace tavelor::qt

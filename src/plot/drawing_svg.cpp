#include "plot/drawing_svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "base/cp1252.h"
#include "plot/number_text.h"

namespace tavelor::plot {

namespace {

constexpr double kMargin = 5;        // mm, at least, around the drawing
constexpr double kCutWidth = 0.025;  // mm: a hairline, which laser software cuts

std::string colourText(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
  return text;
}

// An open path through the points, or a closed one (Z back to its first point).
std::string path(const Polyline& line) {
  std::string d;
  for (const wing::Point& p : line.points) {
    d += (d.empty() ? "M" : " L") + exactNumber(p.x) + "," + exactNumber(p.y);
  }
  return "<path d=\"" + d + (line.closed ? " Z" : "") + "\"/>\n";
}

std::string xmlText(const std::string& text);

// A group Inkscape and laser software list as a layer of its own, which can be hidden.
std::string layer(const Drawing& drawing, Role role) {
  const Pen& pen = penOf(role);
  std::string svg = std::string("<g inkscape:groupmode=\"layer\" inkscape:label=\"") + pen.layer +
                    "\" id=\"" + pen.layer + "\" fill=\"none\" stroke=\"" + colourText(pen.colour) +
                    "\" stroke-width=\"" + exactNumber(pen.cut ? kCutWidth : pen.widthMm) +
                    "\" stroke-linecap=\"butt\" stroke-linejoin=\"miter\">\n";
  for (const Polyline& line : drawing.lines) {
    if (line.role == role) svg += path(line);
  }
  for (const Text& text : role == Role::Label ? drawing.texts : std::vector<Text>{}) {
    const char* anchor = text.align == TextAlign::Left     ? "start"
                         : text.align == TextAlign::Centre ? "middle"
                                                           : "end";
    svg += "<text x=\"" + exactNumber(text.at.x) + "\" y=\"" + exactNumber(text.at.y) +
           "\" font-size=\"" + exactNumber(text.points * kMmPerPoint) + "\" text-anchor=\"" +
           anchor + "\" dominant-baseline=\"" +
           (text.anchor == TextAnchor::Top ? "hanging" : "alphabetic") + "\" fill=\"" +
           colourText(pen.colour) + "\" stroke=\"none\">" + xmlText(text.text) + "</text>\n";
  }
  return svg + "</g>\n";
}

// XML 1.0 has no place for control characters at all; the markup characters are escaped, and a
// byte that starts no UTF-8 character becomes the replacement character.
std::string xmlText(const std::string& text) {
  std::string xml;
  for (std::size_t i = 0; i < text.size();) {
    char32_t character = 0;
    const std::size_t length = base::decodeUtf8(text, i, character);
    const char c = text[i];
    if (length == 0) {
      xml += "\xEF\xBF\xBD";
    } else if (length > 1) {
      xml += text.substr(i, length);
    } else if (static_cast<unsigned char>(c) < 0x20) {
      xml += ' ';
    } else {
      xml += c == '&'   ? "&amp;"
             : c == '<' ? "&lt;"
             : c == '>' ? "&gt;"
             : c == '"' ? "&quot;"
                        : std::string(1, c);
    }
    i += std::max<std::size_t>(length, 1);
  }
  return xml;
}

// A page size of whole millimetres, with its unit.
std::string pageSize(double mm, base::Units units) {
  return units == base::Units::Metric ? exactNumber(mm) + "mm"
                                      : exactNumber(mm / base::kMmPerInch) + "in";
}

}  // namespace

std::string drawingSvg(const Drawing& drawing, std::span<const Role> layers,
                       const std::string& title, const std::string& description,
                       base::Units units) {
  // The box on whole millimetres, so the page's width and height are whole millimetres too.
  const Bounds b = boundsOf(drawing);
  const double left = std::floor(b.min.x - kMargin);
  const double top = std::floor(b.min.y - kMargin);
  const double width = std::ceil(b.max.x + kMargin) - left;
  const double height = std::ceil(b.max.y + kMargin) - top;

  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  svg +=
      "<svg xmlns=\"http://www.w3.org/2000/svg\" "
      "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" width=\"" +
      pageSize(width, units) + "\" height=\"" + pageSize(height, units) + "\" viewBox=\"" +
      exactNumber(left) + " " + exactNumber(top) + " " + exactNumber(width) + " " +
      exactNumber(height) + "\">\n";
  svg += "<title>" + xmlText(title) + "</title>\n";
  svg += "<desc>" + xmlText(description) + "</desc>\n";
  for (const Role role : layers) svg += layer(drawing, role);
  return svg + "</svg>\n";
}

}  // namespace tavelor::plot

#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cmath>
#include <string>

namespace tavelor::qt {

inline constexpr double kTwipsPerInch = 1440.0;

// Twips to the widget's pixels along one axis, with its logical DPI.
inline int twipsToPixels(double twips, int dpi) {
  return static_cast<int>(std::lround(twips * dpi / kTwipsPerInch));
}

// A box given in twips (left, top, width, height) as pixels; the edges are rounded, not the
// sizes, so boxes that touch in twips touch on screen.
inline QRect twipsRect(const QWidget* widget, int left, int top, int width, int height) {
  const int dx = widget->logicalDpiX();
  const int dy = widget->logicalDpiY();
  const int x = twipsToPixels(left, dx);
  const int y = twipsToPixels(top, dy);
  return QRect(x, y, twipsToPixels(left + width, dx) - x, twipsToPixels(top + height, dy) - y);
}

inline void placeTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(twipsRect(widget, left, top, width, height));
}

// "Arial" is asked for by name; fontconfig serves a metric-compatible face where it is missing.
inline QFont namedFont(const char* family, double points, bool bold) {
  QFont font(QString::fromLatin1(family));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

inline QString toQ(const std::string& text) { return QString::fromStdString(text); }
inline std::string fromQ(const QString& text) { return text.toStdString(); }

// The texts of the program separate lines with CR LF (or a lone CR); Qt wants LF.
inline QString displayLines(const std::string& text) {
  QString lines = toQ(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}

}  // namespace tavelor::qt

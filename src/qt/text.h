#pragma once

#include <QApplication>
#include <QFont>
#include <QString>
#include <string>

namespace tavelor::qt {

// Texts between the core (UTF-8 std::string) and Qt.
inline QString toQ(const std::string& text) { return QString::fromStdString(text); }
inline std::string fromQ(const QString& text) { return text.toStdString(); }

// The texts of the program separate lines with CR LF (or a lone CR); Qt wants LF.
inline QString displayLines(const std::string& text) {
  QString lines = toQ(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}

// The application's font in bold: captions and titles.
inline QFont boldFont() {
  QFont font = QApplication::font();
  font.setBold(true);
  return font;
}

}  // namespace tavelor::qt

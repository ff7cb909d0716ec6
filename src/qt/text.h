#pragma once

#include <QApplication>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QString>
#include <algorithm>
#include <initializer_list>
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

// The widest text, on one line, of the labels that stand alone in a column of the grids.
inline int widestLabel(std::initializer_list<QGridLayout*> grids, int column) {
  int widest = 0;
  for (QGridLayout* grid : grids) {
    for (int i = 0; i < grid->count(); ++i) {
      int row, at, rows, columns;
      grid->getItemPosition(i, &row, &at, &rows, &columns);
      const auto* label = qobject_cast<QLabel*>(grid->itemAt(i)->widget());
      if (at == column && columns == 1 && label)
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(label->text()));
    }
  }
  return widest;
}

}  // namespace tavelor::qt

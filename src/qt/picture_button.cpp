#include "qt/picture_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <algorithm>

namespace tavelor::qt {

PictureButton::PictureButton(const QPixmap& glyph, QWidget* parent)
    : QPushButton(parent), glyph_(glyph) {}

QSize PictureButton::sizeHint() const {
  const QSize text = QPushButton::sizeHint();
  const QSize glyph = glyph_.deviceIndependentSize().toSize();
  return {std::max(text.width(), glyph.width() + 12), text.height() + glyph.height()};
}

void PictureButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  const QString caption = option.text;
  option.text.clear();
  option.icon = QIcon();
  painter.drawControl(QStyle::CE_PushButton, option);

  const QRect inside = rect().adjusted(2, 2, -2, -2);
  const int shift = isDown() ? 1 : 0;
  const QSize glyphSize = glyph_.deviceIndependentSize().toSize();
  const int textHeight = fontMetrics().height();
  const int top =
      inside.top() + std::max(0, (inside.height() - glyphSize.height() - textHeight) / 2);
  const QPoint glyphAt(inside.left() + (inside.width() - glyphSize.width()) / 2 + shift,
                       top + shift);
  painter.drawPixmap(glyphAt,
                     isEnabled() ? glyph_ : QIcon(glyph_).pixmap(glyphSize, QIcon::Disabled));
  const QRect textBox(inside.left() + shift, top + glyphSize.height() + shift, inside.width(),
                      textHeight);
  painter.drawItemText(textBox, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic, palette(),
                       isEnabled(), caption, QPalette::ButtonText);
}

}  // namespace tavelor::qt

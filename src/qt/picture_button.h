#pragma once

#include <QPixmap>
#include <QPushButton>

namespace tavelor::qt {

// A push button showing a small glyph above its caption, in a box too low for a toolkit button
// with an icon beside its text.
class PictureButton : public QPushButton {
  Q_OBJECT
 public:
  PictureButton(const QPixmap& glyph, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap glyph_;
};

}  // namespace tavelor::qt

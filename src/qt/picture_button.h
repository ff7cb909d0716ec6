#pragma once

#include <QPixmap>
#include <QPushButton>

namespace tavelor::qt {

// A push button showing a small glyph above its caption, sized to hold both.
class PictureButton : public QPushButton {
  Q_OBJECT
 public:
  PictureButton(const QPixmap& glyph, QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap glyph_;
};

}  // namespace tavelor::qt

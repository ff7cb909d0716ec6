#pragma once

#include <QIcon>
#include <QPixmap>

#include "plot/drawing.h"

namespace tavelor::qt {

// Small images of our own, painted at run time so no binary asset is needed.
QPixmap glyphPixmap(const plot::Drawing& glyph);  // a button's (see plot/glyphs.h)
QIcon programIcon();                              // the half-wing with its mean chord
QPixmap logoImage(int width, int height);         // the About window's logo

}  // namespace tavelor::qt

#pragma once

#include <QIcon>
#include <QPixmap>

namespace tavelor::qt {

// Small images of our own, painted at run time so no binary asset is needed.
QPixmap sumGlyph();                        // calculate: a summation sign
QPixmap crossGlyph();                      // clear: a diagonal cross
QPixmap printerGlyph();                    // print: a printer
QIcon programIcon();                       // the half-wing with its mean chord
QPixmap logoImage(int width, int height);  // the About window's logo

}  // namespace tavelor::qt

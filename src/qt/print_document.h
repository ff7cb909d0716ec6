#pragma once

// What the sheet and the template share on a real printer: the paper, and painting the pages.

#include <QPageSize>
#include <QPrinter>
#include <string>
#include <vector>

#include "plot/drawing.h"
#include "qt/drawing_painter.h"

namespace tavelor::qt {

// The paper a document goes on: a queue's own, or A4 for a PDF file or a queue that names none.
QPageSize paperFor(const QPrinter& printer);

// Paints each drawing on a page of its own and ends the document; device names the printer in
// messages. Throws plot::PageError when the printer does not start, take a page or finish the
// document, and for a PDF file when the file was not written whole (a finished PDF ends with its
// end-of-file marker; a file cut short by a full disk does not).
void printPages(QPrinter& printer, const std::vector<plot::Drawing>& pages,
                const DrawingMapping& mapping, const std::string& device);

}  // namespace tavelor::qt

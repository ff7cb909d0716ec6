#pragma once

// A full-size drawing (the wing's template, the rib sheets) on a real printer: its pages painted
// on a full-page QPrinter, on one of the system's print queues or writing a PDF file.
//
// Millimetres go to device units through the printer's own resolution, so one millimetre of
// wing is one millimetre of paper. Every page is built before the first is painted: a fault on
// the way prints nothing.

#include <QPrinter>

#include "plot/template_layout.h"

namespace tavelor::qt {

// Prints the pages of drawing (plot::templatePages) on printer (a print queue, or a PDF file:
// output format and file name already set; create it with QPrinter::HighResolution): its paper (A4
// for a PDF file, or when the queue names none), portrait, margins of kTemplateMargin or the
// printer's minimum where larger. Throws plot::PageError with nothing printed when the printer
// takes no portrait page or reports no resolution, or the pages cannot be built; and when the
// printer does not start, take a page or finish the document (for a PDF file: when the file was not
// written whole).
void printFullSize(QPrinter& printer, const plot::TemplateDrawing& drawing,
                   const plot::TemplateTexts& texts);

}  // namespace tavelor::qt

#pragma once

// The full-size template on a real printer: a plot::TemplatePage over QPainter and a full-page
// QPrinter, on one of the system's print queues or writing a PDF file.
//
// Millimetres go to device units through the printer's own resolution, so one millimetre of
// wing is one millimetre of paper. As with the print sheet, every page is recorded first and
// painted only when the whole template has been built: a fault on the way prints nothing.

#include <QPrinter>
#include <functional>
#include <string>
#include <vector>

#include "plot/template_layout.h"
#include "wing/geometry.h"

class QPainter;

namespace tavelor::qt {

class QtTemplatePage final : public plot::TemplatePage {
 public:
  // Lays the printer out for the template: its paper (A4 for a PDF file, or when the queue names
  // none), portrait, positions from the paper's corner, margins of kTemplateMargin or the
  // printer's minimum where larger. Throws plot::PageError when the printer takes no portrait
  // page or reports no resolution. printer must outlive the page.
  explicit QtTemplatePage(QPrinter& printer);

  plot::MmRect printableArea() const override { return printable_; }
  void newPage() override;
  void line(wing::Point from, wing::Point to, plot::Rgb colour, double widthMm) override;
  void text(wing::Point at, const std::string& text, double sizePoints, plot::Rgb colour,
            plot::TextAlign align) override;

  // Paints every recorded page and hands the document to the printer. Throws plot::PageError
  // when the printer does not start, take a page or finish the document (for a PDF file: when
  // the file was not written whole).
  void finish();

 private:
  using Operation = std::function<void(QPainter&)>;

  QPointF toDevice(wing::Point p) const;
  void record(Operation operation);
  std::string printerName() const;

  QPrinter& printer_;
  double unitsPerMm_ = 0;
  plot::MmRect printable_;
  std::vector<std::vector<Operation>> pages_;
};

// Prints the whole template of geometry on printer (a print queue, or a PDF file: output format
// and file name already set; create it with QPrinter::HighResolution), or throws
// plot::PageError with nothing printed when the template cannot be built.
void printWingTemplate(QPrinter& printer, const wing::WingGeometry& geometry,
                       const plot::TemplateTexts& texts);

}  // namespace tavelor::qt

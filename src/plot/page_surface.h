#pragma once

#include <stdexcept>
#include <string>

#include "plot/drawing.h"

namespace tavelor::plot {

// Raised by any PageSurface operation that fails; the print command catches it.
class PageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How a page measures text, in the sheet's millimetres: the sheet sets a text after another
// where the first one ends, and a line below another by the line height of its font, as the
// printer itself measures them.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  // How far the pen moves over text (its size and style as given).
  virtual double advance(const Text& text) = 0;
  // The distance from one line to the next in text's font.
  virtual double lineSpacing(const Text& text) = 0;
};

// The printer page for one sheet: a landscape page in the sheet's millimetres from its top-left
// corner, y downward. Every operation may throw PageError.
class PageSurface : public TextMeasure {
 public:
  virtual std::string deviceName() = 0;
  // The folder a PDF file goes to when the page is one instead of a printer, else empty.
  virtual std::string pdfFolder() const { return {}; }
  // Prints drawing as the sheet and ends the document.
  virtual void print(const Drawing& drawing) = 0;
  // Drops a document that a fault left unfinished, so no half sheet comes out. Called once after
  // a PageError; must not throw.
  virtual void abortDocument() {}
  // After print: a line telling the user where the sheet went (for instance the path of a PDF
  // file written in place of a missing printer), or empty when there is nothing to add.
  virtual std::string deliveryNote() const { return {}; }
};

}  // namespace tavelor::plot

#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "plot/drawing_surface.h"

namespace tavelor::plot {

// Raised by any PageSurface operation that fails; the print routine catches it.
class PageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The printer page as the print routine sees it: twips from the page's top-left corner, y
// downward, a current point that text output moves. Every operation may throw PageError.
class PageSurface {
 public:
  virtual ~PageSurface() = default;
  virtual void setLandscape() = 0;
  virtual void setCurrentX(double twips) = 0;
  virtual void setCurrentY(double twips) = 0;
  virtual void setFontName(const std::string& name) = 0;
  virtual void setFontSize(int points) = 0;
  virtual void setBold(bool on) = 0;
  virtual void setUnderline(bool on) = 0;
  virtual void setInkColour(Rgb colour) = 0;
  virtual void setLineStyle(LineStyle style) = 0;
  // Draws text with its top-left corner at the current point. endsLine false: the current point
  // moves right by the text's width; true: x returns to 0 and y moves down one line height.
  virtual void printText(const std::string& text, bool endsLine) = 0;
  // A blank (or "-"), the general decimal form (up to 15 significant digits, the locale's
  // decimal mark) and one blank; then moves as printText does.
  virtual void printNumber(double value, bool endsLine) = 0;
  // colour empty: the ink colour.
  virtual void drawLine(float x1, float y1, float x2, float y2,
                        std::optional<Rgb> colour = std::nullopt) = 0;
  virtual void endDocument() = 0;
  virtual std::string deviceName() = 0;
  // The folder a PDF file goes to when the page is one instead of a printer, else empty.
  virtual std::string pdfFolder() const { return {}; }
  // Drops a document that a fault left unfinished, so no half sheet comes out. Called once after
  // a PageError; must not throw.
  virtual void abortDocument() {}
  // After endDocument: a line telling the user where the sheet went (for instance the path of a
  // PDF file written in place of a missing printer), or empty when there is nothing to add.
  virtual std::string deliveryNote() const { return {}; }
};

}  // namespace tavelor::plot

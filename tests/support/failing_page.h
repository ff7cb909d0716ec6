#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>

#include "plot/drawing_surface.h"
#include "plot/page_surface.h"

namespace tavelor::testing {

// What a FailingPage saw; kept by the caller, as the page itself goes with the command.
struct PageCounts {
  unsigned steps = 0;       // operations asked of the page
  unsigned afterFault = 0;  // of those, asked after it threw
  unsigned aborts = 0;
  bool failed = false;
};

// A page (and plan surface) that throws plot::PageError at operation failAt (never, by default)
// and hands every number and coordinate it gets to `check`.
class FailingPage : public plot::PageSurface, public plot::DrawingSurface {
 public:
  explicit FailingPage(PageCounts& counts, unsigned failAt = ~0u,
                       std::function<void(double)> check = {})
      : counts_(counts), failAt_(failAt), check_(std::move(check)) {}

  void clear() override {}
  void setLandscape() override { step(); }
  void setCurrentX(double twips) override { step({twips}); }
  void setCurrentY(double twips) override { step({twips}); }
  void setFontName(const std::string&) override { step(); }
  void setFontSize(int) override { step(); }
  void setBold(bool) override { step(); }
  void setUnderline(bool) override { step(); }
  void setInkColour(plot::Rgb) override { step(); }
  void setLineStyle(plot::LineStyle) override { step(); }
  void printText(const std::string&, bool) override { step(); }
  void printNumber(double value, bool) override { step({value}); }
  void drawLine(float x1, float y1, float x2, float y2, std::optional<plot::Rgb>) override {
    step({x1, y1, x2, y2});
  }
  void endDocument() override { step(); }
  std::string deviceName() override { return "Queue"; }
  std::string pdfFolder() const override { return "/docs"; }
  void abortDocument() override { ++counts_.aborts; }
  std::string deliveryNote() const override { return "/tmp/My wing.pdf"; }

 private:
  void step(std::initializer_list<double> values = {}) {
    if (counts_.failed) ++counts_.afterFault;
    if (check_) {
      for (const double value : values) check_(value);
    }
    if (counts_.steps++ == failAt_) {
      counts_.failed = true;
      throw plot::PageError("fault");
    }
  }

  PageCounts& counts_;
  const unsigned failAt_;
  const std::function<void(double)> check_;
};

}  // namespace tavelor::testing

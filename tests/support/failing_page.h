#pragma once

#include <functional>
#include <string>

#include "plot/page_surface.h"

namespace tavelor::testing {

// What a FailingPage saw; kept by the caller, as the page itself goes with the command.
struct PageCounts {
  unsigned steps = 0;       // operations asked of the page
  unsigned afterFault = 0;  // of those, asked after it threw
  unsigned aborts = 0;
  bool failed = false;
};

// A page that throws plot::PageError at operation failAt (never, by default), measures every
// character as 2 mm wide and every line as 4 mm high, and hands every coordinate of the sheet it
// prints to `check`.
class FailingPage : public plot::PageSurface {
 public:
  explicit FailingPage(PageCounts& counts, unsigned failAt = ~0u,
                       std::function<void(double)> check = {})
      : counts_(counts), failAt_(failAt), check_(std::move(check)) {}

  double advance(const plot::Text& text) override {
    step();
    return 2.0 * static_cast<double>(text.text.size());
  }
  double lineSpacing(const plot::Text&) override {
    step();
    return 4;
  }
  void print(const plot::Drawing& drawing) override {
    step();
    if (!check_) return;
    for (const plot::Polyline& line : drawing.lines) {
      for (const wing::Point& p : line.points) check_(p.x), check_(p.y);
    }
    for (const plot::Text& text : drawing.texts) check_(text.at.x), check_(text.at.y);
  }
  std::string deviceName() override { return "Queue"; }
  std::string pdfFolder() const override { return "/docs"; }
  void abortDocument() override { ++counts_.aborts; }
  std::string deliveryNote() const override { return "/tmp/My wing.pdf"; }

 private:
  void step() {
    if (counts_.failed) ++counts_.afterFault;
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

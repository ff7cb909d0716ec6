#pragma once

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

// A page that throws plot::PageError at operation failAt (never, by default) and measures every
// character as 2 mm wide and every line as 4 mm high.
class FailingPage : public plot::PageSurface {
 public:
  explicit FailingPage(PageCounts& counts, unsigned failAt = ~0u)
      : counts_(counts), failAt_(failAt) {}

  double advance(const plot::Text& text) override { return step(2.0 * text.text.size()); }
  double lineSpacing(const plot::Text&) override { return step(4); }
  void print(const plot::Drawing&) override { step(0); }
  std::string deviceName() override { return "Queue"; }
  std::string pdfFolder() const override { return "/docs"; }
  void abortDocument() override { ++counts_.aborts; }
  std::string deliveryNote() const override { return "/tmp/My wing.pdf"; }

 private:
  double step(double answer) {
    if (counts_.failed) ++counts_.afterFault;
    if (counts_.steps++ == failAt_) {
      counts_.failed = true;
      throw plot::PageError("fault");
    }
    return answer;
  }

  PageCounts& counts_;
  const unsigned failAt_;
};

}  // namespace tavelor::testing

// The print sheet for any wing the calculation accepts, on a page that fails at a chosen
// operation: the fault reaches the caller at once and nothing is drawn after it; every number and
// coordinate is finite.
//
// Input: the page operation that fails (two bytes; most values lie past the end of the sheet, so
// most runs print it whole), a flag byte (bit 0: the decimal comma), the panel count (a byte,
// modulo 7 so that 0 and 6 occur), each panel's root chord, tip chord, length and sweep, then the
// centring and the mass (see ByteReader::number).

#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "fuzz_support.h"
#include "i18n/language.h"
#include "plot/print_sheet.h"
#include "support/language_folder.h"
#include "wing/geometry.h"

namespace {

using namespace tavelor;

class FailingPage : public plot::PageSurface {
 public:
  explicit FailingPage(unsigned failAt) : failAt_(failAt) {}

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
  std::string deviceName() override { return "fuzz"; }

  bool failed = false;

 private:
  void step(std::initializer_list<double> values = {}) {
    FUZZ_CHECK(!failed);
    for (const double value : values) FUZZ_CHECK(std::isfinite(value));
    if (operations_++ == failAt_) {
      failed = true;
      throw plot::PageError("fuzz");
    }
  }

  unsigned operations_ = 0;
  const unsigned failAt_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader input{data, data + size};
  FailingPage page(input.uint16());
  const std::string mark = input.byte() & 1 ? "," : ".";
  wing::WingInputs inputs;
  inputs.panels.resize(input.byte() % (wing::kMaxPanels + 2));
  for (auto& panel : inputs.panels) {
    panel = {input.number(), input.number(), input.number(), input.number()};
  }
  inputs.centringPercent = input.number();
  inputs.mass = input.number();

  const auto outcome = wing::computeWing(inputs);
  if (!outcome.results) return 0;
  testing::RecordingMessages faults;
  i18n::Language language("", faults);
  bool thrown = false;
  try {
    plot::printSheet({*outcome.results, wing::wingGeometry(*outcome.results), "Fuzz", "", mark},
                     language, page);
  } catch (const plot::PageError&) {
    thrown = true;
  }
  FUZZ_CHECK(thrown == page.failed && faults.messages.empty());
  return 0;
}

// The print sheet for any wing the calculation accepts, on a page that fails at a chosen
// operation: the fault reaches the caller at once and nothing is drawn after it; a wing of finite
// figures gets finite numbers and coordinates only.
//
// Input: the page operation that fails (two bytes; most values lie past the end of the sheet, so
// most runs print it whole), a flag byte (bit 0: the decimal comma), the panel count (a byte,
// modulo 7 so that 0 and 6 occur), each panel's root chord, tip chord, length and sweep, then the
// centring and the mass (see ByteReader::number).

#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "i18n/language.h"
#include "plot/print_sheet.h"
#include "wing/geometry.h"

namespace {

using namespace tavelor;

// Without a language file no text is read, so no fault box can show.
class NoMessages : public base::MessageBoxes {
  base::Answer showMessage(const std::string&, const std::string&, base::Icon,
                           base::Buttons) override {
    std::abort();
  }
};

class FailingPage : public plot::PageSurface {
 public:
  FailingPage(unsigned failAt, bool finiteWing) : failAt_(failAt), finiteWing_(finiteWing) {}

  void setLandscape() override { step(); }
  void setCurrentX(double twips) override { step(twips); }
  void setCurrentY(double twips) override { step(twips); }
  void setFontName(const std::string&) override { step(); }
  void setFontSize(int) override { step(); }
  void setBold(bool) override { step(); }
  void setUnderline(bool) override { step(); }
  void setInkColour(plot::Rgb) override { step(); }
  void setLineStyle(plot::LineStyle) override { step(); }
  void printText(const std::string&, bool) override { step(); }
  void printNumber(double value, bool) override { step(value); }
  void drawLine(float x1, float y1, float x2, float y2, std::optional<plot::Rgb>) override {
    step();
    FUZZ_CHECK(!finiteWing_ || fuzz::finite(x1, y1, x2, y2));
  }
  void endDocument() override { step(); }
  std::string deviceName() override { return "fuzz"; }

  bool failed = false;

 private:
  void step(double value = 0) {
    FUZZ_CHECK(!failed);
    FUZZ_CHECK(!finiteWing_ || std::isfinite(value));
    if (operations_++ == failAt_) {
      failed = true;
      throw plot::PageError("fuzz");
    }
  }

  unsigned operations_ = 0;
  const unsigned failAt_;
  const bool finiteWing_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader input(data, size);
  const unsigned failAt = input.uint16();
  const std::string mark = input.byte() & 1 ? "," : ".";
  wing::WingInputs inputs;
  inputs.panels.resize(input.byte() % (wing::kMaxPanels + 2));
  bool finiteWing = true;
  for (auto& panel : inputs.panels) {
    for (double* value : {&panel.rootChord, &panel.tipChord, &panel.length, &panel.sweep}) {
      *value = input.number();
      finiteWing = finiteWing && std::isfinite(*value);
    }
  }
  inputs.centringPercent = input.number();
  inputs.mass = input.number();
  finiteWing = finiteWing && std::isfinite(inputs.centringPercent) && std::isfinite(inputs.mass);

  const auto outcome = wing::computeWing(inputs);
  if (!outcome.results) return 0;
  NoMessages faults;
  i18n::Language language("", faults);
  FailingPage page(failAt, finiteWing);
  bool thrown = false;
  try {
    plot::printSheet({*outcome.results, wing::wingGeometry(*outcome.results), "Fuzz", "", mark},
                     language, page);
  } catch (const plot::PageError&) {
    thrown = true;
  }
  FUZZ_CHECK(thrown == page.failed);
  return 0;
}

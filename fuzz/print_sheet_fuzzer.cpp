// The print sheet for any wing the calculation accepts, on a page that fails at a chosen
// operation: the fault reaches the caller at once and nothing is asked of the page after it;
// every point and text of the sheet lies at finite coordinates.
//
// Input: the page operation that fails (two bytes; most values lie past the end of the sheet, so
// most runs print it whole), a flag byte (bit 0: the decimal comma), the panel count (a byte,
// modulo 7 so that 0 and 6 occur), each panel's root chord, tip chord, length and sweep, then the
// centring and the mass (see ByteReader::number).

#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "i18n/language.h"
#include "plot/print_sheet.h"
#include "support/failing_page.h"
#include "support/language_folder.h"
#include "wing/geometry.h"

using namespace tavelor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader input{data, data + size};
  testing::PageCounts counts;
  testing::FailingPage page(counts, input.uint16());
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
    page.print(plot::sheetDrawing(
        {*outcome.results, wing::wingGeometry(*outcome.results), "Fuzz", "", mark}, language,
        page));
  } catch (const plot::PageError&) {
    thrown = true;
  }
  FUZZ_CHECK(thrown == counts.failed && counts.afterFault == 0 && faults.messages.empty());
  return 0;
}

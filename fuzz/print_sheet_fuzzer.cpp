// The print sheet for any WingState, on a recording page that may fail at any operation.
//
// Input: the page operation that fails (two bytes; most values lie past the end of the sheet, so
// most runs print it whole), a byte of flags (bit 0: the decimal comma; bit 1: dropping the
// unfinished document fails too), lastPanel, every number of the record, then the sheet's name.

#include <cmath>
#include <cstdint>
#include <string>

#include "calc/wing_state.h"
#include "fuzz_support.h"
#include "i18n/language.h"
#include "plot/print_sheet.h"
#include "support/fake_print_window.h"

namespace {

using namespace tavelor;

// Fills every number of the record; false when one of them is not finite.
bool fillNumbers(calc::WingState& w, fuzz::ByteReader& input) {
  bool allFinite = true;
  auto next = [&](double& slot) {
    slot = input.number();
    allFinite = allFinite && std::isfinite(slot);
  };
  for (calc::PanelArray* values :
       {&w.rootChord, &w.tipChord, &w.panelLength, &w.sweepOffset, &w.areaUpTo, &w.spanUpTo,
        &w.taperRatio, &w.macLength, &w.panelArea, &w.macSpanPos, &w.macLeadPos, &w.centringPos}) {
    for (double& value : *values) next(value);
  }
  for (double* value :
       {&w.aspectRatio, &w.halfSpan, &w.centringPct, &w.halfAreaMm2, &w.wingLoading, &w.mass}) {
    next(*value);
  }
  return allFinite;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::ByteReader input(data, size);
  testing::FakePrintWindow window;
  window.page->failAt = static_cast<std::uint16_t>(input.int16());
  const std::uint8_t flags = input.byte();
  window.mark = flags & 1 ? "," : ".";
  window.page->abortThrows = (flags & 2) != 0;

  calc::WingState state;
  state.lastPanel = input.int16();
  state.areaUnit = calc::kAreaUnit;
  state.lengthUnit = calc::kLengthUnit;
  state.resultsValid = 1;
  const bool allFinite = fillNumbers(state, input);
  state.sheetName = input.rest();

  i18n::Language language(fuzz::programFolder().path(), window);
  fuzz::CheckedPage page(window.page);
  plot::imprime(state, window, language, page);

  // Whatever happened, the pointer is back and the user was told one thing: done or failed.
  FUZZ_CHECK(!window.busy);
  FUZZ_CHECK(window.messages.size() == 1);
  const bool failed = window.page->operations > window.page->failAt;
  FUZZ_CHECK(failed == (window.messages[0].icon == base::Icon::Critical));
  if (!allFinite) return 0;
  FUZZ_CHECK(page.nonFiniteLines == 0);
  if (fuzz::showsNonFinite(state.sheetName)) return 0;
  for (const auto& entry : page.log()) {
    FUZZ_CHECK(!fuzz::showsNonFinite(entry));
  }
  return 0;
}

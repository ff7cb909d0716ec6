// Any bytes opened as a wing data file, as the main form opens one: typed into the fields, read
// as inputs, computed and drawn on the plan strip. Every line lands on finite coordinates, and
// the file written from the fields opens to the same fields.
//
// Input: the file's bytes. Odd-sized inputs are read with the decimal comma, even ones with the
// point, so both kinds of field text reach the calculation.

#include <cstdint>
#include <string_view>

#include "files/wing_file.h"
#include "fuzz_support.h"
#include "plot/plan_view.h"
#include "ui/wing_inputs.h"
#include "wing/geometry.h"

namespace {

using namespace tavelor;

files::WingTexts opened(std::string_view bytes) {
  return ui::openedTexts(files::readWingFileLines(bytes).lines);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const files::WingTexts texts = opened({reinterpret_cast<const char*>(data), size});
  FUZZ_CHECK(opened(files::wingFileBytes(texts)) == texts);

  const auto reading = ui::readInputs(texts, size % 2 ? "," : ".");
  if (reading.fault != ui::InputFault::None) return 0;
  const auto outcome = wing::computeWing(reading.inputs);
  if (!outcome.results) return 0;
  FUZZ_CHECK(
      plot::isFinite(plot::planDrawing(*outcome.results, wing::wingGeometry(*outcome.results))));
  return 0;
}

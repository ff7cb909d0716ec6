// Any bytes opened as a wing data file, as the main form opens one: put into the fields, read
// as inputs, computed and drawn on the plan strip. Every line lands on finite coordinates, and
// the file written from the fields opens to the same fields and writes back byte for byte.
//
// Input: the file's bytes. Odd-sized inputs are read with the decimal comma, even ones with the
// point, so both kinds of field text reach the calculation.

#include <cstdint>
#include <string>

#include "files/wing_file.h"
#include "fuzz_support.h"
#include "plot/plan_view.h"
#include "ui/wing_inputs.h"
#include "wing/geometry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavelor;
  files::WingDocument shown =
      *files::wingDocumentOf({reinterpret_cast<const char*>(data), size}).document;
  shown.texts = ui::openedTexts(shown);
  const std::string saved = files::wingDocumentBytes(shown);
  const files::WingDocument reopened = *files::wingDocumentOf(saved).document;
  FUZZ_CHECK(ui::openedTexts(reopened) == shown.texts);
  FUZZ_CHECK(files::wingDocumentBytes(reopened) == saved);
  const files::WingTexts& texts = shown.texts;

  const auto reading = ui::readInputs(texts, size % 2 ? "," : ".");
  if (reading.fault != ui::InputFault::None) return 0;
  const auto outcome = wing::computeWing(reading.inputs);
  if (!outcome.results) return 0;
  FUZZ_CHECK(
      plot::isFinite(plot::planDrawing(*outcome.results, wing::wingGeometry(*outcome.results))));
  return 0;
}

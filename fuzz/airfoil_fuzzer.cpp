// Any bytes read as an airfoil file, as the ribs window imports one: refused with a message, or
// an airfoil that resamples to finite points and gives a closed rib, under sheeting, spars and
// twist, whose points are finite and no more than the cutting gap apart, and that writes to the
// rib record and reads back the same.
//
// Input: the file's bytes.

#include <cmath>
#include <cstdint>

#include "fuzz_support.h"
#include "rib/airfoil.h"
#include "rib/rib.h"
#include "rib/rib_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tavelor;
  const rib::AirfoilReading read =
      rib::readAirfoil({reinterpret_cast<const char*>(data), size}, "f");
  FUZZ_CHECK(read.airfoil.has_value() != !read.error.empty());
  if (!read.airfoil) return 0;
  rib::RibSettings settings;
  settings.root = settings.tip = *read.airfoil;
  settings.sheetTop = settings.sheetBottom = 1.5;
  settings.spars = {{30, 6, 4, rib::SparSide::Both}};
  settings.leadingEdgeStock = 4;
  FUZZ_CHECK(rib::ribSettingsOf(rib::ribRecordLines(settings)) == settings);
  const auto contour = rib::ribContour(rib::resampled(*read.airfoil), 150, 3, settings);
  for (std::size_t i = 0; i < contour.size(); ++i) {
    const wing::Point a = contour[i], b = contour[(i + 1) % contour.size()];
    FUZZ_CHECK(std::isfinite(a.x) && std::isfinite(a.y));
    FUZZ_CHECK(std::hypot(b.x - a.x, b.y - a.y) <= rib::kMaxPointGap + 1e-9);
  }
  return 0;
}

// readNumber on any field text and formatResult on any double, with either decimal mark.
//
// Input: one byte of options (bits 0-1: the mark readNumber is given; bit 2: the mark formatResult
// writes), then the field text. formatResult formats both the number read from the text and the
// double whose bits are the text's first eight bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>
#include <string_view>

#include "base/decimal_text.h"
#include "fuzz_support.h"

namespace {

using namespace tavelor::base;

// The "# ##0.00" shape: one blank before the last three integer digits (or in front when there
// are at most three), no leading zero but a lone "0", the mark and two decimals.
const std::regex kResultShapes[] = {std::regex(R"(( -?(0|[1-9]\d{0,2})|-?[1-9]\d* \d{3})\.\d\d)"),
                                    std::regex(R"(( -?(0|[1-9]\d{0,2})|-?[1-9]\d* \d{3}),\d\d)")};

void checkFormatted(double value, bool comma) {
  std::string text = formatResult(value, comma ? "," : ".");
  FUZZ_CHECK(std::isfinite(value) ? std::regex_match(text, kResultShapes[comma]) : text.empty());
  if (!std::isfinite(value)) return;
  // The plain layout is the same figure without the blanks.
  std::erase(text, ' ');
  FUZZ_CHECK(formatResult(value, comma ? "," : ".", ResultLayout::Plain) == text);
  // Read back, the result is the value to within half a hundredth (plus the rounding of the
  // 15-digit form the halves are decided on); that form may round past the largest double.
  const auto back = readNumber(text, comma ? "," : ".");
  if (!back) return FUZZ_CHECK(std::fabs(value) > 1.797693134862e308);
  FUZZ_CHECK(std::fabs(*back - value) <= 0.005 * (1 + 1e-12) + 1e-14 * std::fabs(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr std::string_view kReadMarks[] = {".", ",", "\xD9\xAB", ""};  // U+066B
  const std::string_view readMark = kReadMarks[data[0] & 3];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  const auto read = readNumber(text, readMark);
  FUZZ_CHECK(!read || (std::isfinite(*read) && !(*read == 0 && std::signbit(*read))));
  // A number is the whole text: anything after it makes it none.
  FUZZ_CHECK(!readNumber(text + "x", readMark));
  // "[-]d.d" with at least one digit reads as strtod reads it, but below the smallest normal
  // double, where the two may round differently and neither is wrong, and beyond the largest.
  const std::string_view digits = std::string_view(text).substr(text.starts_with('-'));
  const auto points = std::ranges::count(digits, '.');
  const double expected = std::strtod(text.c_str(), nullptr);
  if (readMark == "." && digits.find_first_not_of("0123456789.") == std::string_view::npos &&
      points <= 1 && digits.size() > static_cast<std::size_t>(points) &&
      (expected == 0 || std::fabs(expected) >= DBL_MIN)) {
    FUZZ_CHECK(std::isinf(expected) ? !read : read == expected + 0.0);
  }
  const double value = read.value_or(0);

  checkFormatted(value, data[0] & 4);
  double bits = 0;
  std::memcpy(&bits, text.data(), std::min(text.size(), sizeof bits));
  checkFormatted(bits, data[0] & 4);
  return 0;
}

// toNumber on any field text and formatResult on any double, with either decimal mark.
//
// Input: one byte of options (bits 0-1: the mark toNumber is given; bit 2: the mark formatResult
// writes), then the field text. formatResult formats both the number read from the text and the
// double whose bits are the text's first eight bytes.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "base/decimal_text.h"
#include "fuzz_support.h"

namespace {

using tavelor::base::formatResult;
using tavelor::base::toNumber;

bool allDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "[-]d.d" with at least one digit and nothing else: what strtod reads the same way.
bool isPlainDecimal(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  const auto point = text.find('.');
  const auto integer = text.substr(0, point);
  const auto fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  return allDigits(integer) && allDigits(fraction) && integer.size() + fraction.size() > 0;
}

// The "# ##0.00" shape: [-]digits, one blank before the last three integer digits (or in front
// when there are at most three), the mark, two decimals; no leading zero but a lone "0".
bool hasResultShape(std::string_view text, std::string_view mark) {
  if (text.size() < mark.size() + 4) return false;
  const auto integer = text.substr(0, text.size() - 2 - mark.size());
  if (!allDigits(text.substr(text.size() - 2)) ||
      text.substr(integer.size(), mark.size()) != mark) {
    return false;
  }
  const auto blank = integer.find(' ');
  if (blank == std::string_view::npos || integer.find("- ") != std::string_view::npos) return false;
  std::string digits =
      std::string(integer.substr(0, blank)) + std::string(integer.substr(blank + 1));
  if (digits.starts_with('-')) digits.erase(0, 1);
  const bool blankPlaced = blank == 0 ? digits.size() <= 3 : integer.size() - blank - 1 == 3;
  return blankPlaced && !digits.empty() && allDigits(digits) && (digits == "0" || digits[0] != '0');
}

void checkFormatted(double value, std::string_view mark) {
  std::string text = formatResult(value, mark);
  FUZZ_CHECK(std::isfinite(value) ? hasResultShape(text, mark) : text.empty());
  if (!std::isfinite(value)) return;
  // Read back without the blank, the result is the value to within half a hundredth (plus the
  // rounding of the 15-digit form the halves are decided on).
  std::erase(text, ' ');
  const double back = toNumber(text, mark);
  if (std::isinf(back)) {
    FUZZ_CHECK(std::fabs(value) > 1.797693134862e308);  // the 15-digit form rounds past the top
    return;
  }
  FUZZ_CHECK(std::fabs(back - value) <= 0.005 * (1 + 1e-12) + 1e-14 * std::fabs(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static constexpr std::string_view kReadMarks[] = {".", ",", "\xD9\xAB", ""};  // U+066B
  const std::string_view readMark = kReadMarks[data[0] & 3];
  const std::string_view writeMark = (data[0] & 4) ? "," : ".";
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

  const double value = toNumber(text, readMark);
  FUZZ_CHECK(!std::isnan(value));
  // Reading stops at the first character that cannot belong to a number.
  FUZZ_CHECK(toNumber(text + "x", readMark) == value);
  if (readMark == "." && isPlainDecimal(text)) {
    const double expected = std::strtod(text.c_str(), nullptr);
    // Below the smallest normal double the two may round differently; neither is wrong.
    if (expected == 0 || std::isinf(expected) || std::fabs(expected) >= 2.2250738585072014e-308) {
      FUZZ_CHECK(value == expected);
    }
  }

  checkFormatted(value, writeMark);
  double bits = 0;
  std::memcpy(&bits, text.data(), std::min(text.size(), sizeof bits));
  checkFormatted(bits, writeMark);
  return 0;
}

#include "plot/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tavelor::plot {

std::string generalNumber(double value, std::string_view decimalMark) {
  if (value == 0) {
    value = 0;  // folds -0 into 0
  }
  // to_chars ignores the C locale, which a toolkit may have switched to a comma.
  std::array<char, 64> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::general, 15);
  std::string out;
  for (const char* p = buffer.data(); p != result.ptr; ++p) {
    if (*p == '.') {
      out += decimalMark;
    } else if (*p == 'e') {
      out += 'E';
    } else {
      out += *p;
    }
  }
  return out;
}

std::string exactNumber(double value) {
  char buffer[512];  // room for every finite double in fixed notation
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0,  // no -0
                                    std::chars_format::fixed);
  return {buffer, result.ptr};
}

std::string printedNumber(double value, std::string_view decimalMark) {
  const bool negative = std::signbit(value) && value != 0;
  return (negative ? "-" : " ") + generalNumber(std::fabs(value), decimalMark) + " ";
}

}  // namespace tavelor::plot

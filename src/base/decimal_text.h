#pragma once

#include <string>
#include <string_view>

namespace tavelor::base {

// Reads as much of a field's text as looks like a number; never fails (0 without digits).
// "." and "," are always decimal marks, and so is decimalMark (the locale's separator).
double toNumber(std::string_view text, std::string_view decimalMark);

// The pattern "# ##0.00": two decimals (rounded halves away from zero on the 15-digit decimal
// form), one literal blank before the last three integer digits, the locale's decimal mark.
std::string formatResult(double value, std::string_view decimalMark);

}  // namespace tavelor::base

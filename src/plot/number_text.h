#pragma once

#include <string>
#include <string_view>

namespace tavelor::plot {

// A number in its general decimal form: as many digits as it needs, at most 15 significant,
// no trailing zeros, no blanks, decimalMark as the separator; an exponent ("1E+15", "1E-05")
// only for magnitudes from 1e15 up or below 1e-4. Negative zero reads "0".
std::string generalNumber(double value, std::string_view decimalMark);

// A coordinate for a file: the shortest fixed-notation text that reads back to the same double,
// whatever the locale, so no digit is lost and no reader meets an exponent. Negative zero reads
// "0".
std::string exactNumber(double value);

// The text a page prints for a number: a blank (or "-" when negative), the general form of its
// magnitude and one trailing blank, as in " 12.5 " or "-12.5 ".
std::string printedNumber(double value, std::string_view decimalMark);

}  // namespace tavelor::plot

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavelor::base {

// The one reading of a number text, for the window's fields, the stability window and the wing
// files alike: blanks around it, a leading '-' at most, then digits with at most one decimal mark
// ("." and "," always, and decimalMark, the locale's separator, which may be several bytes).
// Anything else is no number, so a text pasted or edited from elsewhere is refused rather than
// half read; so is an empty or blanks-only text, whose meaning is the caller's. A value beyond the
// largest double is no number; one below the smallest reads 0, and so does "-0".
std::optional<double> readNumber(std::string_view text, std::string_view decimalMark);
// Empty or nothing but blanks.
bool isBlank(std::string_view text);
// readNumber, where an empty or blanks-only text reads as blankValue.
std::optional<double> readNumberOr(std::string_view text, std::string_view decimalMark,
                                   double blankValue);

// The results' one formatter: two decimals, rounded halves away from zero on the 15-digit decimal
// form, the locale's decimal mark. Grouped is the pattern "# ##0.00" of the main window and the
// sheet: one literal blank before the last three integer digits (in front when there are at most
// three). Plain, for the stability window, has no blank at all.
// The shortest text with '.' that reads back as value, without an exponent where it fits: a
// number a file or a field keeps exactly.
std::string shortestText(double value);

enum class ResultLayout { Grouped, Plain };
std::string formatResult(double value, std::string_view decimalMark,
                         ResultLayout layout = ResultLayout::Grouped);

}  // namespace tavelor::base

#pragma once

#include <string>
#include <string_view>

namespace tavelor::base {

// The units the window speaks. The calculation and the files stay in millimetres and grams: the
// choice converts at the fields, labels and outputs only.
enum class Units { Metric, Imperial };

// The figures the window shows, each with its metric unit: mm, dm², g, g/dm², g/dm³.
enum class Quantity { Length, Area, Mass, Loading, CubeLoading };

inline constexpr double kMmPerInch = 25.4;              // exactly
inline constexpr double kGramsPerOunce = 28.349523125;  // exactly, the avoirdupois ounce
inline constexpr double kDm2PerFt2 = 9.290304;          // exactly

// A metric figure in the chosen units: in, in², oz, oz/ft², oz/ft³ in Imperial.
double shownValue(Quantity quantity, double metric, Units units);
// The unit's symbol, never translated: "mm", "in", "dm²" ...
const char* unitSymbol(Quantity quantity, Units units);

// A field's imperial text (a Length in inches or a Mass in ounces) as the metric text a file
// holds. An inch text of up to 4 decimals becomes its millimetres exactly (up to 5 decimals);
// longer ones and ounces become millimetres or grams rounded to 6 decimals. Trailing zeros are
// dropped and the mark is ".". A blank text, or one that is no number, stays as it is.
std::string metricFieldText(Quantity quantity, std::string_view imperial,
                            std::string_view decimalMark);
// A file's metric text in inches or ounces to 4 decimals, trailing zeros dropped, with
// decimalMark: the inverse of metricFieldText for texts of up to 4 decimals. A blank text, or one
// that is no number, stays as it is.
std::string imperialFieldText(Quantity quantity, std::string_view metric,
                              std::string_view decimalMark);

}  // namespace tavelor::base

#include "base/units.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>

#include "base/decimal_text.h"

namespace tavelor::base {

namespace {

// metric units per shown unit, for each quantity
double factor(Quantity quantity) {
  switch (quantity) {
    case Quantity::Length:
      return kMmPerInch;
    case Quantity::Area:
      return kMmPerInch * kMmPerInch / 1e4;
    case Quantity::Mass:
      return kGramsPerOunce;
    case Quantity::Loading:
      return kGramsPerOunce / kDm2PerFt2;
    case Quantity::CubeLoading:
      return kGramsPerOunce / std::pow(kDm2PerFt2, 1.5);
  }
  return 1;
}

// The value with `decimals` decimals, trailing zeros (and a bare point) dropped, no "-0".
std::string fixedText(double value, int decimals, std::string_view decimalMark) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  std::string text = buffer;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  if (const auto point = text.find('.'); point != std::string::npos) {
    text.replace(point, 1, decimalMark);
  }
  return text;
}

// The text's value in ten-thousandths when it is a number of up to 4 decimals that fits.
std::optional<std::int64_t> tenThousandths(std::string_view text, std::string_view decimalMark) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  const bool negative = text.starts_with('-');
  if (negative) text.remove_prefix(1);
  std::int64_t value = 0;
  int decimals = -1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (decimals < 0 && !decimalMark.empty() && text.substr(i).starts_with(decimalMark)) {
      decimals = 0;
      i += decimalMark.size() - 1;
    } else if (decimals < 0 && (text[i] == '.' || text[i] == ',')) {
      decimals = 0;
    } else if (text[i] >= '0' && text[i] <= '9' && value < 100'000'000'000'000 && decimals < 4) {
      value = value * 10 + (text[i] - '0');
      if (decimals >= 0) ++decimals;
    } else {
      return std::nullopt;
    }
  }
  for (int d = decimals < 0 ? 0 : decimals; d < 4; ++d) value *= 10;
  return negative ? -value : value;
}

}  // namespace

double shownValue(Quantity quantity, double metric, Units units) {
  return units == Units::Metric ? metric : metric / factor(quantity);
}

const char* unitSymbol(Quantity quantity, Units units) {
  const bool metric = units == Units::Metric;
  switch (quantity) {
    case Quantity::Length:
      return metric ? "mm" : "in";
    case Quantity::Area:
      return metric ? "dm\u00b2" : "in\u00b2";
    case Quantity::Mass:
      return metric ? "g" : "oz";
    case Quantity::Loading:
      return metric ? "g/dm\u00b2" : "oz/ft\u00b2";
    case Quantity::CubeLoading:
      return metric ? "g/dm\u00b3" : "oz/ft\u00b3";
  }
  return "";
}

std::string metricFieldText(Quantity quantity, std::string_view imperial,
                            std::string_view decimalMark) {
  const auto value = readNumber(imperial, decimalMark);
  if (!value) return std::string(imperial);
  if (quantity == Quantity::Length) {
    if (const auto steps = tenThousandths(imperial, decimalMark)) {
      // n ten-thousandths of an inch are n * 254 hundred-thousandths of a millimetre, exactly.
      const std::int64_t units = *steps * 254;
      const std::int64_t whole = (units < 0 ? -units : units) / 100'000;
      std::string text = (units < 0 ? "-" : "") + std::to_string(whole);
      char decimals[8];
      std::snprintf(decimals, sizeof decimals, ".%05lld",
                    static_cast<long long>((units < 0 ? -units : units) % 100'000));
      text += decimals;
      while (text.back() == '0') text.pop_back();
      if (text.back() == '.') text.pop_back();
      return text == "-0" ? "0" : text;
    }
  }
  return fixedText(*value * factor(quantity), 6, ".");
}

std::string imperialFieldText(Quantity quantity, std::string_view metric,
                              std::string_view decimalMark) {
  const auto value = readNumber(metric, decimalMark);
  if (!value) return std::string(metric);
  return fixedText(*value / factor(quantity), 4, decimalMark);
}

}  // namespace tavelor::base

#include "base/decimal_text.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>
#include <utility>

namespace tavelor::base {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

}  // namespace

std::optional<double> readNumber(std::string_view text, std::string_view decimalMark) {
  if (isBlank(text)) return std::nullopt;
  const auto first = text.find_first_not_of(kBlanks);
  text = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
  std::string plain;
  bool digits = false;
  bool point = false;
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const bool mark = !decimalMark.empty() && text.substr(i).starts_with(decimalMark);
    if (mark || c == '.' || c == ',') {
      if (std::exchange(point, true)) return std::nullopt;
      plain += '.';
      i += mark ? decimalMark.size() : 1;
      continue;
    }
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c != '-' || i != 0) {
      return std::nullopt;
    }
    plain += c;
    ++i;
  }
  if (!digits) return std::nullopt;
  // from_chars is locale independent and rounds to the nearest double.
  double value = 0.0;
  const char* begin = plain.data();
  const auto [end, error] =
      std::from_chars(begin, begin + plain.size(), value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Below the smallest double the nearest value is zero; beyond the largest there is none.
    if (plain.find_first_not_of("-0.") < plain.find('.')) return std::nullopt;
    return 0.0;
  }
  if (error != std::errc() || end != begin + plain.size()) return std::nullopt;
  return value + 0.0;  // folds -0 into 0
}

bool isBlank(std::string_view text) {
  return text.find_first_not_of(kBlanks) == std::string_view::npos;
}

std::optional<double> readNumberOr(std::string_view text, std::string_view decimalMark,
                                   double blankValue) {
  return isBlank(text) ? blankValue : readNumber(text, decimalMark);
}

std::string formatResult(double value, std::string_view decimalMark, ResultLayout layout) {
  if (!std::isfinite(value)) return {};  // never shown: the calculation refuses such figures

  // The 15-significant-digit decimal form: d.dddddddddddddde±x.
  char buffer[40];
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                          std::chars_format::scientific, 14);
  if (error != std::errc()) return {};
  const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
  const auto e = scientific.find('e');
  std::string digits;
  digits += scientific[0];
  digits.append(scientific.substr(2, e - 2));
  int exponent = 0;
  for (std::size_t i = e + 2; i < scientific.size(); ++i)
    exponent = exponent * 10 + (scientific[i] - '0');
  if (scientific[e + 1] == '-') exponent = -exponent;

  // Split into integer and fraction digits.
  std::string integerPart;
  std::string fractionPart;
  if (exponent >= 0) {
    const auto integerCount = static_cast<std::size_t>(exponent) + 1;
    if (integerCount >= digits.size()) {
      integerPart = digits + std::string(integerCount - digits.size(), '0');
    } else {
      integerPart = digits.substr(0, integerCount);
      fractionPart = digits.substr(integerCount);
    }
  } else {
    integerPart = "0";
    fractionPart = std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
  }
  if (fractionPart.size() < 3) fractionPart.resize(3, '0');

  // Two decimals, halves away from zero (the sign is applied afterwards).
  std::string kept = integerPart + fractionPart.substr(0, 2);
  if (fractionPart[2] >= '5') {
    std::size_t i = kept.size();
    while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
    if (i == 0) {
      kept.insert(kept.begin(), '1');
    } else {
      ++kept[i - 1];
    }
  }
  std::string integerText = kept.substr(0, kept.size() - 2);
  const std::string fractionText = kept.substr(kept.size() - 2);
  const auto firstNonZero = integerText.find_first_not_of('0');
  integerText.erase(0, firstNonZero == std::string::npos ? integerText.size() - 1 : firstNonZero);

  // A value that rounds to zero is written without a sign.
  const bool negative = value < 0 && (integerText != "0" || fractionText != "00");
  const char* sign = negative ? "-" : "";

  // The pattern's single literal blank stands before the last three integer digits; the
  // minus sign goes directly before the first digit.
  std::string result;
  if (layout == ResultLayout::Plain) {
    result = sign + integerText;
  } else if (integerText.size() <= 3) {
    result = std::string(" ") + sign + integerText;
  } else {
    const auto split = integerText.size() - 3;
    result = sign + integerText.substr(0, split) + ' ' + integerText.substr(split);
  }
  result += decimalMark;
  result += fractionText;
  return result;
}

std::string shortestText(double value) {
  char text[64];
  auto [end, fault] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
  if (fault != std::errc()) end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

}  // namespace tavelor::base

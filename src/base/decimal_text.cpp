#include "base/decimal_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace tavelor::base {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Keeps digits and signs, turns every decimal mark into ".", stops at anything else.
std::string collectNumberText(std::string_view text, std::string_view decimalMark) {
  std::string collected;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (isDigit(c) || c == '+' || c == '-') {
      collected += c;
      ++i;
    } else if (c == '.' || c == ',') {
      collected += '.';
      ++i;
    } else if (!decimalMark.empty() && text.substr(i).starts_with(decimalMark)) {
      // The locale's mark may be a multi-byte UTF-8 character.
      collected += '.';
      i += decimalMark.size();
    } else {
      break;
    }
  }
  return collected;
}

}  // namespace

double toNumber(std::string_view text, std::string_view decimalMark) {
  const std::string collected = collectNumberText(text, decimalMark);

  // Optional sign, then digits with at most one point; anything else ends the number.
  std::size_t pos = 0;
  bool negative = false;
  if (pos < collected.size() && (collected[pos] == '+' || collected[pos] == '-')) {
    negative = collected[pos] == '-';
    ++pos;
  }
  std::string integerDigits;
  std::string fractionDigits;
  bool seenPoint = false;
  for (; pos < collected.size(); ++pos) {
    const char c = collected[pos];
    if (isDigit(c)) {
      (seenPoint ? fractionDigits : integerDigits) += c;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }

  // Zeros that do not change the value are dropped so that only significant digits are parsed.
  const auto firstNonZero = integerDigits.find_first_not_of('0');
  integerDigits.erase(0, firstNonZero == std::string::npos ? integerDigits.size() : firstNonZero);
  const auto lastNonZero = fractionDigits.find_last_not_of('0');
  fractionDigits.erase(lastNonZero == std::string::npos ? 0 : lastNonZero + 1);
  if (integerDigits.empty() && fractionDigits.empty()) return 0.0;  // no digit, or only zeros

  // std::from_chars is locale independent and rounds to the nearest double.
  std::string plain = integerDigits.empty() ? std::string("0") : integerDigits;
  if (!fractionDigits.empty()) plain += '.' + fractionDigits;
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::fixed);
  if (error == std::errc::result_out_of_range) {
    // Beyond the largest double the nearest value is infinity; below the smallest it is zero.
    value = integerDigits.empty() ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (error != std::errc()) {
    value = 0.0;
  }
  return negative ? -value : value;
}

std::string formatResult(double value, std::string_view decimalMark) {
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
  if (integerText.size() <= 3) {
    result = std::string(" ") + sign + integerText;
  } else {
    const auto split = integerText.size() - 3;
    result = sign + integerText.substr(0, split) + ' ' + integerText.substr(split);
  }
  result += decimalMark;
  result += fractionText;
  return result;
}

}  // namespace tavelor::base

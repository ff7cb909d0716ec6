#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "plot/drawing_surface.h"
#include "support/language_folder.h"
#include "support/recording_page.h"

// A property that does not hold stops the run like a crash, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)

namespace tavelor::fuzz {

// Reads the fuzzer's bytes front to back; past the end every read gives zeros.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t left() const { return size_ - pos_; }
  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string bytes(std::size_t count) {
    count = std::min(count, left());
    std::string text(reinterpret_cast<const char*>(data_ + pos_), count);
    pos_ += count;
    return text;
  }
  std::string rest() { return bytes(left()); }
  std::int16_t int16() {
    const std::uint16_t low = byte();
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (byte() << 8)));
  }

  // A double biased towards values a wing can have, with the odd extreme or non-finite one:
  // a tag byte picks raw bits, a tenth of a 16-bit number, a small whole number or a special.
  double number() {
    switch (byte() % 4) {
      case 0: {
        double value = 0;
        const std::string raw = bytes(sizeof value);
        std::memcpy(&value, raw.data(), raw.size());
        return value;
      }
      case 1:
        return int16() / 10.0;
      case 2:
        return static_cast<std::int8_t>(byte());
      default:
        return special(byte());
    }
  }

 private:
  static double special(std::uint8_t which) {
    constexpr double kSpecials[] = {0.0,
                                    -0.0,
                                    HUGE_VAL,
                                    -HUGE_VAL,
                                    std::numeric_limits<double>::quiet_NaN(),
                                    1.7976931348623157e308,
                                    -1.7976931348623157e308,
                                    2.2250738585072014e-308,
                                    4.9406564584124654e-324,
                                    0.005,
                                    0.015,
                                    999.995,
                                    1e15,
                                    3.4028235677973366e38,
                                    1e-300,
                                    32767.5};
    return kSpecials[which % (sizeof kSpecials / sizeof kSpecials[0])];
  }

  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// True when text shows a number that is not one: "nan", "inf" in any letter case.
inline bool showsNonFinite(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

inline bool finite(float x1, float y1, float x2, float y2) {
  return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
}

// A plan strip that records like the tests' one and counts lines with a non-finite end.
class CheckedSurface : public testing::RecordingSurface {
 public:
  void drawLine(float x1, float y1, float x2, float y2,
                std::optional<plot::Rgb> colour = std::nullopt) override {
    if (!finite(x1, y1, x2, y2)) ++nonFiniteLines;
    RecordingSurface::drawLine(x1, y1, x2, y2, colour);
  }
  int nonFiniteLines = 0;
};

// A printer page that records like the tests' one and counts lines with a non-finite end.
class CheckedPage : public testing::RecordingPage {
 public:
  using RecordingPage::RecordingPage;
  void drawLine(float x1, float y1, float x2, float y2,
                std::optional<plot::Rgb> colour = std::nullopt) override {
    if (!finite(x1, y1, x2, y2)) ++nonFiniteLines;
    RecordingPage::drawLine(x1, y1, x2, y2, colour);
  }
  int nonFiniteLines = 0;
};

// One program folder for the whole run, removed when the fuzzer ends.
inline testing::TempFolder& programFolder() {
  static testing::TempFolder folder;
  return folder;
}

}  // namespace tavelor::fuzz

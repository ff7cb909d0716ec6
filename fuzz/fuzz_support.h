#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

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

  std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string bytes(std::size_t count) {
    count = std::min(count, size_ - pos_);
    std::string text(reinterpret_cast<const char*>(data_ + pos_), count);
    pos_ += count;
    return text;
  }
  std::string rest() { return bytes(size_ - pos_); }
  std::uint16_t uint16() {
    const std::uint16_t low = byte();
    return static_cast<std::uint16_t>(low | byte() << 8);
  }

  // A double biased towards values a wing can have, with the odd extreme or non-finite one:
  // a tag byte picks raw bits (8 bytes), a tenth of a signed 16-bit number, a signed byte, or
  // one of the specials.
  double number() {
    switch (byte() % 4) {
      case 0: {
        double value = 0;
        const std::string raw = bytes(sizeof value);
        std::memcpy(&value, raw.data(), raw.size());
        return value;
      }
      case 1:
        return static_cast<std::int16_t>(uint16()) / 10.0;
      case 2:
        return static_cast<std::int8_t>(byte());
      default: {
        constexpr double kSpecials[] = {0.0,      -0.0,         HUGE_VAL, -HUGE_VAL, NAN,  DBL_MAX,
                                        -DBL_MAX, DBL_TRUE_MIN, 1e-300,   999.995,   1e15, 32767.5};
        return kSpecials[byte() % std::size(kSpecials)];
      }
    }
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

inline bool finite(float x1, float y1, float x2, float y2) {
  return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
}

}  // namespace tavelor::fuzz

#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// A property that does not hold stops the run like a crash, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                   \
  ((condition)                                                                                  \
       ? void()                                                                                 \
       : (std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition), \
          std::abort()))

namespace tavelor::fuzz {

// Reads the fuzzer's bytes front to back; past the end every read gives zeros.
struct ByteReader {
  const std::uint8_t *at, *end;

  std::uint8_t byte() { return at < end ? *at++ : 0; }
  std::string bytes(std::size_t count) {
    const std::string text(reinterpret_cast<const char *>(at),
                           std::min<std::size_t>(count, end - at));
    at += text.size();
    return text;
  }
  std::uint16_t uint16() {
    const std::uint16_t low = byte();  // the low byte first
    return static_cast<std::uint16_t>(low | byte() << 8);
  }

  // A tag byte picks a tenth of a signed 16-bit number, a signed byte, one of the specials or raw
  // bits (8 bytes): mostly values a wing can have, with the odd extreme or non-finite one.
  double number() {
    constexpr double kSpecials[] = {0.0,      -0.0,         HUGE_VAL, -HUGE_VAL, NAN,  DBL_MAX,
                                    -DBL_MAX, DBL_TRUE_MIN, 1e-300,   999.995,   1e15, 32767.5};
    const int tag = byte() % 4;
    if (tag == 1) return static_cast<std::int16_t>(uint16()) / 10.0;
    if (tag == 2) return static_cast<std::int8_t>(byte());
    if (tag == 3) return kSpecials[byte() % 12];
    double value = 0;
    const std::string raw = bytes(sizeof value);
    std::memcpy(&value, raw.data(), raw.size());
    return value;
  }
};

}  // namespace tavelor::fuzz

// The Windows-1252 codec on any bytes: the file's bytes survive decoding and encoding, and any
// text the program holds encodes to bytes that decode to what the file will really hold.

#include <cstdint>
#include <string>

#include "base/cp1252.h"
#include "fuzz_support.h"

using namespace tavelor::base;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);

  // As file bytes: text that fits, and back to the same bytes.
  const std::string decoded = decodeCp1252(bytes);
  FUZZ_CHECK(fitsCp1252(decoded));
  FUZZ_CHECK(encodeCp1252(decoded) == bytes);

  // As program text (any UTF-8, valid or not): at most one byte per byte, and what is written
  // reads back as the text exactly when the text fits the code page.
  const std::string encoded = encodeCp1252(bytes);
  FUZZ_CHECK(encoded.size() <= bytes.size());
  const std::string readBack = decodeCp1252(encoded);
  FUZZ_CHECK(encodeCp1252(readBack) == encoded);
  FUZZ_CHECK(fitsCp1252(bytes) == (readBack == bytes));
  return 0;
}

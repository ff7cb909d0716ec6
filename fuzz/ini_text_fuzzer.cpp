// The INI reader and writer on any file bytes and any section, key and value.
//
// Input: six length bytes (section, key, value, the read's buffer capacity, a second section,
// a second key), those texts in that order, then the file's bytes.

#include <cstdint>
#include <optional>
#include <string>

#include "base/ini_text.h"
#include "fuzz_support.h"

namespace {

using namespace tavelor::base;

std::string trimmedLower(const std::string& text) {
  const auto first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return {};
  std::string name = text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tavelor::fuzz::ByteReader input(data, size);
  const std::size_t n[] = {input.byte(), input.byte(), input.byte(),
                           input.byte(), input.byte(), input.byte()};
  const std::size_t capacity = n[3];
  const std::string section = input.bytes(n[0]), key = input.bytes(n[1]), value = input.bytes(n[2]),
                    otherSection = input.bytes(n[4]), otherKey = input.bytes(n[5]),
                    content = input.rest();

  // The read hands back the value cut to the buffer, or nothing.
  const auto found = findIniValue(content, section, key);
  FUZZ_CHECK(readIniValue(content, section, key, capacity) ==
             (found && capacity ? found->substr(0, capacity - 1) : ""));

  // A value the writer accepts reads back unchanged, and no other value moves.
  const auto written = setIniValue(content, section, key, value);
  if (!written) return 0;
  FUZZ_CHECK(findIniValue(*written, section, key) == std::optional<std::string>(value));
  const bool sameSlot = trimmedLower(otherSection) == trimmedLower(section) &&
                        trimmedLower(otherKey) == trimmedLower(key);
  if (!sameSlot) {
    FUZZ_CHECK(findIniValue(*written, otherSection, otherKey) ==
               findIniValue(content, otherSection, otherKey));
  }
  // Writing the same value again changes nothing more.
  FUZZ_CHECK(setIniValue(*written, section, key, value) == written);
  return 0;
}

// The INI reader and writer on any file bytes and any section, key and value.
//
// Input: six length bytes (section, key, value, the read's buffer capacity, a second section,
// a second key), those texts in that order, then the file's bytes.

#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

#include "base/ini_text.h"
#include "fuzz_support.h"

namespace {

using namespace tavelor::base;

// Names that may mean the same entry: blanks and case do not tell them apart.
std::string folded(std::string name) {
  std::erase_if(name, [](char c) { return c == ' ' || c == '\t' || c == '\r'; });
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tavelor::fuzz::ByteReader input{data, data + size};
  const std::size_t n[] = {input.byte(), input.byte(), input.byte(),
                           input.byte(), input.byte(), input.byte()};
  const std::string section = input.bytes(n[0]), key = input.bytes(n[1]), value = input.bytes(n[2]),
                    otherSection = input.bytes(n[4]), otherKey = input.bytes(n[5]),
                    content = input.bytes(size);

  // The read hands back the value cut to the buffer, or nothing.
  const auto found = findIniValue(content, section, key);
  FUZZ_CHECK(readIniValue(content, section, key, n[3]) ==
             (found && n[3] ? found->substr(0, n[3] - 1) : ""));

  // A value the writer accepts reads back unchanged, no other value moves, and writing it again
  // changes nothing more.
  const auto written = setIniValue(content, section, key, value);
  if (!written) return 0;
  FUZZ_CHECK(findIniValue(*written, section, key) == std::optional<std::string>(value));
  if (folded(otherSection) != folded(section) || folded(otherKey) != folded(key)) {
    FUZZ_CHECK(findIniValue(*written, otherSection, otherKey) ==
               findIniValue(content, otherSection, otherKey));
  }
  FUZZ_CHECK(setIniValue(*written, section, key, value) == written);
  return 0;
}

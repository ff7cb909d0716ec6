#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavelor::base {

// Windows-1252 <-> UTF-8, with a table of our own so every machine agrees on the five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D): they map to the C1 control characters
// of the same value and back, so any byte sequence survives a round trip.

// Every byte decodes to exactly one character.
std::string decodeCp1252(std::string_view bytes);

// A character the code page cannot hold becomes "?"; so does each byte of invalid UTF-8.
std::string encodeCp1252(std::string_view utf8);

// True when the UTF-8 text survives encodeCp1252 unchanged (valid UTF-8, every character held).
bool fitsCp1252(std::string_view utf8);

// The length of the well-formed UTF-8 character at text[pos], storing it in out; 0 where none
// starts (a stray or overlong byte, a surrogate, past U+10FFFF, cut short).
std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& out);

// True for the 251 bytes the code page defines.
bool isDefinedCp1252Byte(unsigned char byte);

}  // namespace tavelor::base

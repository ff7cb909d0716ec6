#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavelor::base {

// The INI layout as pure functions on the 8-bit bytes of a file, so the rules can be tested and
// fuzzed without touching a disk. Names and values here are bytes in the file's code page.
//
// Rules: "[name]" opens a section; "key=value" lines hold values; section and key names are
// trimmed and matched without regard to ASCII letter case; values are trimmed and lose one pair
// of matching surrounding quotes (" or '); a line whose first non-blank is ";" is a comment; a
// line without "=" is no key; the first matching section and, inside it, the first matching key
// win. Lines end with LF or CR LF.

// The value of (section, key), or nothing when the section or the key is missing.
std::optional<std::string> findIniValue(std::string_view content, std::string_view section,
                                        std::string_view key);

// What the private-profile read hands back with a buffer of `capacity` characters: the value cut
// to capacity - 1 bytes, or the empty text when it is missing or empty.
std::string readIniValue(std::string_view content, std::string_view section, std::string_view key,
                         std::size_t capacity);

// The file content after storing value under (section, key): replaces the first matching key's
// line, or adds the key after the last key of the first matching section, or appends the section
// at the end. Every other line is kept; every line ends with CR LF. A value that would not read
// back unchanged (blanks at its ends, surrounding quotes) is written inside double quotes.
// Nothing when the names or the value cannot be stored (empty names, a line break or NUL
// anywhere, "]" in the section, "=" in the key, a key that would read as a comment or section).
std::optional<std::string> setIniValue(std::string_view content, std::string_view section,
                                       std::string_view key, std::string_view value);

}  // namespace tavelor::base

#include "base/cp1252.h"

#include <array>
#include <cstdint>

namespace tavelor::base {
namespace {

// 0x80..0x9F are the only bytes that differ from Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

constexpr std::array<char16_t, 256> makeTable() {
  std::array<char16_t, 256> table{};
  for (int byte = 0; byte < 256; ++byte) table[byte] = static_cast<char16_t>(byte);
  for (int i = 0; i < 32; ++i) table[0x80 + i] = kHighControls[i];
  return table;
}

constexpr std::array<char16_t, 256> kTable = makeTable();

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Byte for a code point, or -1 when the code page has none.
int byteFor(char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  for (int byte = 0x80; byte < 256; ++byte) {
    if (kTable[byte] == c) return byte;
  }
  return -1;
}

}  // namespace

std::size_t decodeUtf8(std::string_view text, std::size_t pos, char32_t& out) {
  const auto b0 = static_cast<unsigned char>(text[pos]);
  size_t length = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (b0 < 0x80) {
    out = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, c = b0 & 0x1F, minimum = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, c = b0 & 0x0F, minimum = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, c = b0 & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if ((b & 0xC0) != 0x80) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  out = c;
  return length;
}

std::string decodeCp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  for (char ch : bytes) appendUtf8(out, kTable[static_cast<unsigned char>(ch)]);
  return out;
}

std::string encodeCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t c = 0;
    const size_t length = decodeUtf8(utf8, pos, c);
    if (length == 0) {
      out += '?';  // one mark per bad byte, then resynchronise on the next byte
      ++pos;
      continue;
    }
    const int byte = byteFor(c);
    out += byte < 0 ? '?' : static_cast<char>(byte);
    pos += length;
  }
  return out;
}

bool fitsCp1252(std::string_view utf8) { return decodeCp1252(encodeCp1252(utf8)) == utf8; }

bool isDefinedCp1252Byte(unsigned char byte) {
  return byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D;
}

}  // namespace tavelor::base

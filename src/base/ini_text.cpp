#include "base/ini_text.h"

#include <vector>

namespace tavelor::base {
namespace {

std::string_view trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
  }
  return true;
}

std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

// Splits at LF, dropping the CR of a CR LF; a final line end adds no empty line.
std::vector<std::string_view> splitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < content.size()) {
    auto end = content.find('\n', start);
    if (end == std::string_view::npos) end = content.size();
    auto line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

enum class LineKind { Other, Section, Key };

struct ParsedLine {
  LineKind kind = LineKind::Other;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // key value, trimmed and unquoted
};

ParsedLine parseLine(std::string_view line) {
  const auto text = trim(line);
  if (text.empty() || text.front() == ';') return {};
  if (text.front() == '[') {
    const auto close = text.find(']');
    if (close != std::string_view::npos) {
      return {LineKind::Section, trim(text.substr(1, close - 1)), {}};
    }
  }
  const auto equals = text.find('=');
  if (equals == std::string_view::npos) return {};
  return {LineKind::Key, trim(text.substr(0, equals)), unquote(trim(text.substr(equals + 1)))};
}

bool holdsLineBreakOrNul(std::string_view text) {
  return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// The value as written after "=", so that findIniValue gives back exactly `value`.
std::string storedForm(std::string_view value) {
  const bool needsQuotes = trim(value) != value || unquote(value) != value;
  return needsQuotes ? "\"" + std::string(value) + "\"" : std::string(value);
}

}  // namespace

std::optional<std::string> findIniValue(std::string_view content, std::string_view section,
                                        std::string_view key) {
  section = trim(section);
  key = trim(key);
  if (key.empty()) return std::nullopt;
  bool inSection = false;
  bool sectionSeen = false;
  for (auto line : splitLines(content)) {
    const auto parsed = parseLine(line);
    if (parsed.kind == LineKind::Section) {
      if (sectionSeen) return std::nullopt;  // only the first matching section counts
      inSection = sameName(parsed.name, section);
      sectionSeen = inSection;
    } else if (inSection && parsed.kind == LineKind::Key && sameName(parsed.name, key)) {
      return std::string(parsed.value);
    }
  }
  return std::nullopt;
}

std::string readIniValue(std::string_view content, std::string_view section, std::string_view key,
                         std::size_t capacity) {
  if (capacity == 0) return {};
  auto value = findIniValue(content, section, key);
  if (!value) return {};
  if (value->size() > capacity - 1) value->resize(capacity - 1);
  return *value;
}

std::optional<std::string> setIniValue(std::string_view content, std::string_view section,
                                       std::string_view key, std::string_view value) {
  section = trim(section);
  key = trim(key);
  if (section.empty() || key.empty() || holdsLineBreakOrNul(section) || holdsLineBreakOrNul(key) ||
      holdsLineBreakOrNul(value) || section.find(']') != std::string_view::npos ||
      key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[') {
    return std::nullopt;
  }

  const auto lines = splitLines(content);
  std::vector<std::string> out(lines.begin(), lines.end());
  const std::string stored = storedForm(value);

  // The first matching section, its first matching key and its last key line.
  std::optional<size_t> header;
  std::optional<size_t> match;
  std::optional<size_t> lastKey;
  for (size_t i = 0; i < lines.size() && !match; ++i) {
    const auto parsed = parseLine(lines[i]);
    if (parsed.kind == LineKind::Section) {
      if (header) break;
      if (sameName(parsed.name, section)) header = i;
    } else if (header && parsed.kind == LineKind::Key) {
      if (sameName(parsed.name, key)) match = i;
      lastKey = i;
    }
  }

  if (match) {
    // Keeps the file's own spelling of the key.
    out[*match] = std::string(parseLine(lines[*match]).name) + "=" + stored;
  } else if (header) {
    const size_t after = lastKey ? *lastKey : *header;
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(after + 1),
               std::string(key) + "=" + stored);
  } else {
    if (!out.empty() && !trim(out.back()).empty()) out.emplace_back();  // a blank line between
    out.push_back("[" + std::string(section) + "]");
    out.push_back(std::string(key) + "=" + stored);
  }

  std::string result;
  for (const auto& line : out) result += line + "\r\n";
  return result;
}

}  // namespace tavelor::base

#include "files/wing_file_format.h"

#include "i18n/cp1252.h"

namespace tavelor::files {

std::string wingFileBytes(const calc::InputWindow& window) {
  std::string bytes;
  auto addLine = [&bytes](std::string_view line) {
    bytes.append(line);
    bytes.append("\r\n");
  };
  addLine(fileHeader);
  for (const auto& slot : kFileFields) {
    std::string text = window.fieldText(slot.field, slot.index);
    for (char& c : text) {
      if (c == '\r' || c == '\n') c = ' ';
    }
    addLine(i18n::encodeCp1252(text));
  }
  return bytes;
}

std::optional<std::string_view> LineReader::readLine() {
  if (rest_.empty()) return std::nullopt;
  const auto end = rest_.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    const auto line = rest_;
    rest_ = {};
    return line;
  }
  const auto line = rest_.substr(0, end);
  const bool crLf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
  rest_.remove_prefix(end + (crLf ? 2 : 1));
  return line;
}

}  // namespace tavelor::files

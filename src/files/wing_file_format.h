#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/input_window.h"

namespace tavelor::files {

// The first line of every wing data file; its first three characters mark a file with the mass.
inline constexpr std::string_view fileHeader = "Z2O-Please don't Delete ....";
inline constexpr std::string_view kMassMark = "Z2O";

// A wing data file is a few hundred bytes; anything beyond this is no wing data file.
inline constexpr std::size_t kMaxWingFileBytes = 64 * 1024;

struct FieldSlot {
  calc::Field field;
  int index;
};

// The 22 fields in file order after the header: each panel's four texts, root panel first, then
// the centring and the mass.
inline constexpr std::array<FieldSlot, 22> kFileFields = [] {
  std::array<FieldSlot, 22> slots{};
  std::size_t next = 0;
  for (int panel = 0; panel < calc::kPanels; ++panel) {
    for (auto field :
         {calc::Field::C_max, calc::Field::C_min, calc::Field::L_trap, calc::Field::deport}) {
      slots[next++] = {field, panel};
    }
  }
  slots[next++] = {calc::Field::Cg, 0};
  slots[next++] = {calc::Field::masse, 0};
  return slots;
}();

// The file's bytes for the fields as they stand: Windows-1252, CR LF after every line. A line
// break inside a field would split the record, so each CR and LF in a text is written as a blank.
std::string wingFileBytes(const calc::InputWindow& window);

// Reads lines the way the file was meant to be read: a line ends at CR LF, at LF alone (a file
// edited on Linux) or at CR alone. The bytes must outlive the reader.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : rest_(bytes) {}
  bool atEnd() const { return rest_.empty(); }
  // The next line without its line end, or nothing when no byte is left.
  std::optional<std::string_view> readLine();

 private:
  std::string_view rest_;
};

}  // namespace tavelor::files

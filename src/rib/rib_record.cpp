#include "rib/rib_record.h"

#include <charconv>
#include <cmath>
#include <sstream>

namespace tavelor::rib {

namespace {

constexpr const char* kSides[] = {"T", "B", "TB"};  // in SparSide's order
constexpr std::size_t kMaxAirfoilPoints = 2000;
constexpr double kMinSpacing = 1;  // mm: closer ribs make no wing, only a flood of them

std::string numberText(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

// The record's lines, read one by one, each as its numbers.
class Lines {
 public:
  explicit Lines(const std::vector<std::string>& lines) : lines_(lines) {}
  std::optional<std::string> text() {
    if (next_ == lines_.size()) return std::nullopt;
    return lines_[next_++];
  }
  // The line's blank-separated words, the first `count` of them numbers.
  std::optional<std::vector<double>> numbers(std::size_t count, std::string* word = nullptr) {
    const auto line = text();
    if (!line) return std::nullopt;
    std::istringstream in(*line);
    std::vector<double> values;
    std::string item;
    while (in >> item) {
      if (values.size() == count) {
        if (!word || !word->empty()) return std::nullopt;
        *word = item;
        continue;
      }
      double value = 0;
      const auto [end, fault] = std::from_chars(item.data(), item.data() + item.size(), value);
      if (fault != std::errc() || end != item.data() + item.size() || !std::isfinite(value)) {
        return std::nullopt;
      }
      values.push_back(value);
    }
    if (values.size() != count || (word && word->empty())) return std::nullopt;
    return values;
  }

 private:
  const std::vector<std::string>& lines_;
  std::size_t next_ = 0;
};

std::optional<Airfoil> airfoilOf(Lines& lines) {
  Airfoil airfoil;
  const auto name = lines.text();
  const auto count = lines.numbers(1);
  if (!name || !count || (*count)[0] < 3 || (*count)[0] > kMaxAirfoilPoints) return std::nullopt;
  airfoil.name = *name;
  for (int i = 0; i < static_cast<int>((*count)[0]); ++i) {
    const auto xy = lines.numbers(2);
    if (!xy || !withinSection({(*xy)[0], (*xy)[1]})) return std::nullopt;
    airfoil.points.push_back({(*xy)[0], (*xy)[1]});
  }
  return airfoil;
}

}  // namespace

std::vector<std::string> ribRecordLines(const RibSettings& s) {
  std::vector<std::string> lines;
  for (const double value : {s.spacing, s.sheetTop, s.sheetBottom, s.sheetToPercent,
                             s.leadingEdgeStock, s.trailingEdgePercent, s.washoutDegrees,
                             s.washoutPivotPercent, s.stockWidth, s.stockLength}) {
    lines.push_back(numberText(value));
  }
  lines.push_back(std::to_string(s.spars.size()));
  for (const Spar& spar : s.spars) {
    lines.push_back(numberText(spar.chordPercent) + " " + numberText(spar.width) + " " +
                    numberText(spar.depth) + " " + kSides[static_cast<int>(spar.side)]);
  }
  for (const Airfoil* airfoil : {&s.root, &s.tip}) {
    lines.push_back(airfoil->name);
    lines.push_back(std::to_string(airfoil->points.size()));
    for (const wing::Point& p : airfoil->points) {
      lines.push_back(numberText(p.x) + " " + numberText(p.y));
    }
  }
  return lines;
}

std::optional<RibSettings> ribSettingsOf(const std::vector<std::string>& record) {
  Lines lines(record);
  RibSettings s;
  for (double* value : {&s.spacing, &s.sheetTop, &s.sheetBottom, &s.sheetToPercent,
                        &s.leadingEdgeStock, &s.trailingEdgePercent, &s.washoutDegrees,
                        &s.washoutPivotPercent, &s.stockWidth, &s.stockLength}) {
    const auto number = lines.numbers(1);
    if (!number) return std::nullopt;
    *value = (*number)[0];
  }
  const auto spars = lines.numbers(1);
  if (!spars || (*spars)[0] < 0 || (*spars)[0] > kMaxSpars) return std::nullopt;
  for (int i = 0; i < static_cast<int>((*spars)[0]); ++i) {
    std::string side;
    const auto values = lines.numbers(3, &side);
    if (!values) return std::nullopt;
    const int which = side == "T" ? 0 : side == "B" ? 1 : side == "TB" ? 2 : -1;
    if (which < 0) return std::nullopt;
    s.spars.push_back({(*values)[0], (*values)[1], (*values)[2], static_cast<SparSide>(which)});
  }
  auto root = airfoilOf(lines);
  auto tip = root ? airfoilOf(lines) : std::nullopt;
  if (!tip || s.spacing < kMinSpacing || s.stockWidth <= 0 || s.stockLength <= 0)
    return std::nullopt;
  s.root = std::move(*root);
  s.tip = std::move(*tip);
  return s;
}

}  // namespace tavelor::rib

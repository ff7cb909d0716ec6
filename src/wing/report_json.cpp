#include "wing/report_json.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <optional>
#include <string_view>

namespace tavelor::wing {

namespace {

// to_chars ignores the locale, and without a precision it gives the shortest text that reads
// back to the same double: every digit the calculation produced, and no more.
void appendNumber(std::string& out, std::optional<double> value) {
  if (!value || !std::isfinite(*value)) {
    out += "null";
    return;
  }
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value);
  out.append(buffer, result.ptr);
}

void appendString(std::string& out, std::string_view text) {
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;  // UTF-8 passes through as it is
    }
  }
  out += '"';
}

// Writes `"key": value` pairs, one per line at the given indentation, with the commas between.
class ObjectWriter {
 public:
  ObjectWriter(std::string& out, std::string_view indent) : out_(out), indent_(indent) {
    out_ += "{\n";
  }

  void number(std::string_view key, std::optional<double> value) {
    startKey(key);
    appendNumber(out_, value);
  }

  // The key, ready for a value the caller appends itself.
  void startKey(std::string_view key) {
    if (!first_) out_ += ",\n";
    first_ = false;
    out_ += indent_;
    appendString(out_, key);
    out_ += ": ";
  }

  void end(std::string_view closingIndent) {
    out_ += '\n';
    out_ += closingIndent;
    out_ += '}';
  }

 private:
  std::string& out_;
  std::string_view indent_;
  bool first_ = true;
};

}  // namespace

std::string reportJson(const WingResults& results,
                       const std::vector<std::pair<std::string, double>>& extra) {
  std::string out;
  ObjectWriter report(out, "  ");
  report.number("span_mm", results.span);
  report.number("area_dm2", results.areaDm2);
  report.number("aspect_ratio", results.aspectRatio);
  report.number("mac_mm", results.macLength);
  report.number("mac_station_mm", results.macStation);
  report.number("mac_leading_edge_mm", results.macLeadingEdge);
  report.number("centring_percent", results.centringPercent);
  report.number("centring_mm", results.centring);
  const bool hasMass = results.mass != 0;
  report.number("mass_g", hasMass ? std::optional(results.mass) : std::nullopt);
  report.number("wing_loading_g_dm2", hasMass ? std::optional(results.wingLoading) : std::nullopt);
  report.number("wing_cube_loading_g_dm3",
                hasMass ? std::optional(results.cubeLoading) : std::nullopt);

  report.startKey("panels");
  out += '[';
  for (std::size_t i = 0; i < results.panels.size(); ++i) {
    const Panel& p = results.panels[i];
    out += i == 0 ? "\n    " : ",\n    ";
    ObjectWriter panel(out, "      ");
    panel.number("root_chord_mm", p.rootChord);
    panel.number("tip_chord_mm", p.tipChord);
    panel.number("length_mm", p.length);
    panel.number("sweep_mm", p.sweep);
    panel.end("    ");
  }
  out += results.panels.empty() ? "]" : "\n  ]";

  for (const auto& [key, value] : extra) report.number(key, value);
  report.end("");
  out += '\n';
  return out;
}

}  // namespace tavelor::wing

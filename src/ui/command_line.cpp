#include "ui/command_line.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <system_error>
#include <utility>

#include "base/message_box.h"
#include "files/wing_file.h"
#include "plot/outline_drawing.h"
#include "plot/rib_sheet.h"
#include "rib/rib_record.h"
#include "ui/main_form.h"
#include "ui/stability_inputs.h"
#include "ui/wing_inputs.h"
#include "wing/report_json.h"

namespace tavelor::ui {

namespace {

constexpr const char* kProgram = "tavelor: ";

// A fault of the language files has no box to show it in; the texts fall back to English.
class NoBoxes final : public base::MessageBoxes {
 public:
  base::Answer showMessage(const std::string&, const std::string&, base::Icon,
                           base::Buttons) override {
    return base::Answer::Ok;
  }
};

// A message of the window as one line: its line breaks become blanks.
std::string oneLine(std::string text) {
  std::string line;
  for (const char c : text) {
    if (c != '\r' && c != '\n') {
      line += c;
    } else if (!line.empty() && line.back() != ' ') {
      line += ' ';
    }
  }
  return line;
}

// A file name as an error line shows it: on that one line, whatever bytes it holds. A control
// character shows escaped: \n, \r, \t, or \x and two hex digits.
std::string shown(const std::string& path) {
  std::string text;
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      text += c;
    } else if (c == '\n' || c == '\r' || c == '\t') {
      text += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\t";
    } else {
      constexpr const char* kHex = "0123456789abcdef";
      text += {'\\', 'x', kHex[byte >> 4], kHex[byte & 15]};
    }
  }
  return text;
}

struct BatchWing {
  std::optional<wing::WingResults> results;
  std::string error;
  files::TailTexts tail = {};
  std::string name = {};  // the document's
  rib::RibSettings ribs = rib::defaultRibSettings();
  bool ribsSetUp = false;  // the file holds a rib record
};

// The wing file read as File > Open reads it and computed as Calculate does, with the messages
// the window would show in the chosen language (English when none is chosen yet).
BatchWing readWing(const std::string& path, const BatchSettings& settings) {
  NoBoxes boxes;
  i18n::Language language(settings.programFolder, boxes);
  const std::string stored = language.readStoredLanguage();
  language.setLanguage(stored.empty() ? i18n::kFallbackLanguage : stored);

  const files::WingFileReading file = files::readWingDocument(path);
  if (!file.document) {
    return {std::nullopt, kProgram + std::string("cannot read ") + shown(path) + ": " +
                              oneLine(file.error->description)};
  }
  if (file.error) {
    return {std::nullopt,
            kProgram + shown(path) + ": " + oneLine(fileErrorText(language, *file.error))};
  }
  ComputedTexts computed = computeTexts(openedTexts(*file.document), settings.decimalMark);
  if (!computed.results) {
    return {std::nullopt, kProgram + shown(path) + ": " + oneLine(refusalText(language, computed))};
  }
  BatchWing wing{std::move(computed.results), {}, file.document->tail, file.document->name};
  if (!file.document->ribs.empty()) {
    const auto ribs = rib::ribSettingsOf(file.document->ribs);
    if (!ribs) return {std::nullopt, kProgram + shown(path) + ": the rib record is damaged"};
    wing.ribs = *ribs;
    wing.ribsSetUp = true;
  }
  return wing;
}

BatchResult failure(std::string error) { return {1, {}, std::move(error)}; }

BatchResult exportFile(const std::string& outputPath, const std::string& wingPath,
                       const BatchSettings& settings, bool ribs) {
  const auto format = outlineFormatOf(outputPath);
  if (!format) {
    return failure(kProgram + shown(outputPath) +
                   std::string(ribs ? ": the ribs are" : ": the outline is") +
                   " written as DXF or SVG; name the file *.dxf or *.svg");
  }
  // However it is spelled or linked, the wing file is never replaced by its outline.
  std::error_code noFile;
  if (std::filesystem::equivalent(outputPath, wingPath, noFile)) {
    return failure(kProgram + std::string("cannot write ") + shown(outputPath) +
                   ": it is the wing file itself");
  }
  BatchWing wing = readWing(wingPath, settings);
  if (!wing.results) return failure(std::move(wing.error));
  const wing::WingGeometry geometry = wing::wingGeometry(*wing.results);
  std::string bytes;
  if (!ribs) {
    // The rib lines only for a wing whose ribs were set up.
    const auto lines =
        wing.ribsSetUp ? plot::ribLinesOf(rib::wingRibs(geometry, wing.ribs)) : plot::RibLines{};
    bytes = *format == OutlineFormat::Svg
                ? plot::outlineSvg(geometry, wing.name, settings.units, lines)
                : plot::outlineDxf(geometry, settings.units, lines);
  } else {
    const RibSheets sheets = ribSheets(geometry, wing.ribs);
    if (!sheets.drawing) {
      const std::string why = sheets.fault == RibFault::TooClose ? "the ribs are too close together"
                              : sheets.fault == RibFault::Uncut
                                  ? "rib " + sheets.uncut +
                                        " leaves nothing to cut: its edge stocks take it all, or "
                                        "spar notches cut it in two"
                                  : "a rib is larger than the stock sheet";
      return failure(kProgram + shown(wingPath) + ": " + why);
    }
    bytes = ribFileBytes(*sheets.drawing, *format, wing.name + " ribs");
  }
  if (const auto error = files::writeFileBytes(outputPath, bytes)) {
    return failure(kProgram + std::string("cannot write ") + shown(outputPath) + ": " +
                   oneLine(error->description));
  }
  return {};
}

}  // namespace

std::optional<OutlineFormat> outlineFormatOf(const std::string& path) {
  const auto slash = path.rfind('/');
  const auto dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
  std::string extension = path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == "dxf") return OutlineFormat::Dxf;
  if (extension == "svg") return OutlineFormat::Svg;
  return std::nullopt;
}

namespace {

// The figures of the wing in wingPath as JSON.
BatchResult reportWing(const std::string& wingPath, const BatchSettings& settings) {
  BatchWing wing = readWing(wingPath, settings);
  if (!wing.results) return failure(std::move(wing.error));
  auto pairs = stabilityReportPairs(*wing.results, wing.tail, settings.decimalMark);
  if (wing.ribsSetUp) {
    const auto ribs = rib::wingRibs(wing::wingGeometry(*wing.results), wing.ribs);
    pairs.emplace_back("rib_count", static_cast<double>(ribs.size()));
    for (const rib::Rib& r : ribs) {
      pairs.emplace_back("rib_" + r.name.substr(1) + "_station_mm", r.station);
      pairs.emplace_back("rib_" + r.name.substr(1) + "_chord_mm", r.chord);
    }
  }
  return {0, wing::reportJson(*wing.results, pairs), {}};
}

}  // namespace

RibSheets ribSheets(const wing::WingGeometry& geometry, const rib::RibSettings& settings) {
  RibSheets sheets{rib::wingRibs(geometry, settings), std::nullopt, RibFault::TooClose, "", 0};
  if (sheets.ribs.empty()) return sheets;
  if (const rib::Rib* uncut = rib::uncutRib(sheets.ribs)) {
    sheets.fault = RibFault::Uncut;
    sheets.uncut = uncut->name;
    return sheets;
  }
  sheets.drawing = plot::ribSheetDrawing(sheets.ribs, settings.stockWidth, settings.stockLength);
  sheets.fault = RibFault::TooLarge;
  if (!sheets.drawing) return sheets;
  sheets.fault = RibFault::None;
  sheets.sheets = static_cast<int>(
      std::ranges::count(sheets.drawing->lines, plot::Role::StockSheet, &plot::Polyline::role));
  return sheets;
}

std::string ribFileBytes(const plot::Drawing& sheets, OutlineFormat format,
                         const std::string& title) {
  return format == OutlineFormat::Svg ? plot::ribSheetSvg(sheets, title)
                                      : plot::ribSheetDxf(sheets);
}

std::optional<std::string> commandLineError(const CommandLine& line) {
  if (line.wingFiles.size() > 1) return "give at most one wing file";
  if (!line.batch()) return std::nullopt;
  if (int(line.report) + int(line.exportPath.has_value()) + int(line.ribsPath.has_value()) > 1)
    return "give one of --export OUTPUT, --export-ribs OUTPUT or --report";
  if (line.wingFiles.empty()) return "no wing file given";
  if (line.units != "mm" && line.units != "in") return "--units is mm or in";
  return std::nullopt;
}

BatchResult runBatch(const CommandLine& line, BatchSettings settings) {
  settings.units = line.units == "in" ? base::Units::Imperial : base::Units::Metric;
  const std::string& wing = line.wingFiles.front();
  if (line.report) return reportWing(wing, settings);
  if (line.ribsPath) return exportFile(*line.ribsPath, wing, settings, true);
  return exportFile(*line.exportPath, wing, settings, false);
}

namespace {

// The toolkit's own options: with a value, and without.
constexpr std::string_view kToolkitOptionsWithValue[] = {"-platform",        "-platformpluginpath",
                                                         "-platformtheme",   "-plugin",
                                                         "-qwindowgeometry", "-qwindowtitle",
                                                         "-qwindowicon",     "-display",
                                                         "-geometry",        "-style",
                                                         "-stylesheet",      "-session"};
constexpr std::string_view kToolkitFlags[] = {"-reverse", "-widgetcount", "-nograb", "-dograb",
                                              "-sync"};

bool isOneOf(std::string_view option, const auto& list) {
  return std::find(std::begin(list), std::end(list), option) != std::end(list);
}

}  // namespace

std::vector<std::string> withoutToolkitOptions(int argc, const char* const argv[]) {
  std::vector<std::string> arguments;
  for (int i = 0; i < argc; ++i) {
    std::string_view option(argv[i]);
    if (option == "--") {
      arguments.insert(arguments.end(), argv + i, argv + argc);
      break;
    }
    if (option.starts_with("--")) option.remove_prefix(1);
    if (i > 0 && isOneOf(option, kToolkitFlags)) continue;
    if (i > 0 && isOneOf(option, kToolkitOptionsWithValue)) {
      ++i;
      continue;
    }
    arguments.emplace_back(argv[i]);
  }
  return arguments;
}

int finishBatch(const BatchResult& result) {
  const bool written =
      std::fwrite(result.output.data(), 1, result.output.size(), stdout) == result.output.size() &&
      std::fflush(stdout) == 0;
  const int error = errno;
  if (!written) {
    std::fprintf(stderr, "tavelor: cannot write the standard output: %s\n", std::strerror(error));
    return 1;
  }
  if (!result.error.empty()) std::fprintf(stderr, "%s\n", result.error.c_str());
  return result.exitCode;
}

}  // namespace tavelor::ui

#pragma once

// The program's modes without a window: a wing file's figures as JSON, and its outline or its
// ribs as a cutting file. The command line is read and run here, before any window exists, as
// the window would do it.

#include <optional>
#include <string>
#include <vector>

#include "base/units.h"
#include "plot/drawing.h"
#include "rib/rib.h"
#include "wing/geometry.h"

namespace tavelor::ui {

enum class OutlineFormat { Dxf, Svg };

// The format a file name's extension names (in any case), or nothing.
std::optional<OutlineFormat> outlineFormatOf(const std::string& path);

// The ribs of a wing nested on their stock sheets, for the command line and the ribs window
// alike: the drawing, or what keeps it from being made.
// Over rib::kMaxRibs; a rib with nothing to cut (rib::uncutRib); a rib beyond a sheet.
enum class RibFault { None, TooClose, Uncut, TooLarge };
struct RibSheets {
  std::vector<rib::Rib> ribs;  // root first
  std::optional<plot::Drawing> drawing;
  RibFault fault = RibFault::None;
  std::string uncut;  // the rib with nothing to cut
  int sheets = 0;
};
RibSheets ribSheets(const wing::WingGeometry& geometry, const rib::RibSettings& settings);
// The rib file's bytes: the sheets as DXF, or as SVG titled `title`.
std::string ribFileBytes(const plot::Drawing& sheets, OutlineFormat format,
                         const std::string& title);

// Where the modes without a window find the language files, and how the user writes numbers.
struct BatchSettings {
  std::string programFolder;  // without a trailing separator
  std::string decimalMark;
  base::Units units = base::Units::Metric;  // of an exported outline; a report is always metric
};

// What a mode without a window prints: exit code 0 with its output, or 1 with one line for the
// error stream.
struct BatchResult {
  int exitCode = 0;
  std::string output;
  std::string error;
};

// The command line as the parser reads it, without the window toolkit's own options, which it
// takes off the command line when the window starts ("-platform xcb", "--reverse"); after "--"
// everything is kept.
std::vector<std::string> withoutToolkitOptions(int argc, const char* const argv[]);

// Writes the result's output to the standard output and its error line to the standard error;
// the program's exit code (1 where the output cannot be written).
int finishBatch(const BatchResult& result);

// The command line's options: name, description for --help, and the name of its value (none for
// a switch).
struct OptionText {
  const char* name;
  const char* description;
  const char* valueName = nullptr;
};
inline constexpr OptionText kOptions[] = {
    {"export", "Write the outline of WINGFILE to OUTPUT, as DXF or SVG by its extension, and exit.",
     "OUTPUT"},
    {"export-ribs",
     "Write the ribs of WINGFILE on stock sheets to OUTPUT, as DXF or SVG by its extension, and "
     "exit.",
     "OUTPUT"},
    {"report", "Print the figures of WINGFILE as JSON and exit."},
    {"units", "The units of the --export file: mm (default) or in.", "UNITS"}};

// What the command line asks for, as the parser read it.
struct CommandLine {
  std::vector<std::string> wingFiles;
  std::optional<std::string> exportPath, ribsPath;
  bool report = false;
  std::string units = "mm";
  // A mode without a window: --report, --export or --export-ribs.
  bool batch() const { return report || exportPath || ribsPath; }
};

// What is wrong with the line, for the error stream: more than one wing file or mode, a mode
// without a wing file, units other than mm or in. Nothing for a line to run.
std::optional<std::string> commandLineError(const CommandLine& line);

// Runs the line's mode (a line without an error) with the settings, in the line's units: the
// wing file's figures as JSON; or its outline, or its ribs nested on stock sheets (the default
// ribs for a wing without a rib record), written to the output file (replaced atomically) as
// DXF or SVG by its extension.
BatchResult runBatch(const CommandLine& line, BatchSettings settings);

}  // namespace tavelor::ui

#pragma once

// The main window's controls as plain tables: which label goes in which cell of which frame,
// which field a caption's access key moves to, the buttons and the keyboard order. The window
// builds its widgets from them.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "plot/drawing.h"
#include "plot/glyphs.h"
#include "ui/form_fields.h"
#include "ui/main_form.h"
#include "ui/wing_inputs.h"

namespace tavelor::ui {

enum class Box { Inputs, Mass, Results };
enum class Look { Caption, Value, Plain };

// One label: its box, name (for translation), cell in the box's grid, its look, a fixed text
// where no language gives one, and the result it shows, if any. The inputs' grid has the panel
// headings in row 0 and the panels in columns 1 to 5; the mass and results grids have a caption
// and its value in columns 0 and 1, a unit in column 2, then a caption and value in 3 and 4.
struct LabelRow {
  Box box;
  const char* name;
  int row, column;
  Look look;
  const char* fixedText = nullptr;
  std::optional<ResultLabel> result = std::nullopt;
  // The text's colour where it names a mark of the plan: the mark's.
  std::optional<plot::Role> colour = std::nullopt;
};

inline constexpr LabelRow kLabels[] = {
    {Box::Inputs, "rootChordCaption", 1, 0, Look::Caption},
    {Box::Inputs, "tipChordCaption", 2, 0, Look::Caption},
    {Box::Inputs, "lengthCaption", 3, 0, Look::Caption},
    {Box::Inputs, "sweepCaption", 4, 0, Look::Caption},
    {Box::Inputs, "centringCaption", 5, 0, Look::Caption},
    {Box::Inputs, "percentSign", 5, 2, Look::Value, "%"},
    {Box::Mass, "massCaption", 0, 0, Look::Caption},
    {Box::Mass, "gramSign", 0, 2, Look::Plain, "g"},
    {Box::Mass, "wingLoadingCaption", 0, 3, Look::Caption},
    {Box::Mass, "wingLoadingValue", 0, 4, Look::Value, nullptr, ResultLabel::WingLoading},
    {Box::Mass, "cubeLoadingCaption", 1, 3, Look::Caption},
    {Box::Mass, "cubeLoadingValue", 1, 4, Look::Value, nullptr, ResultLabel::CubeLoading},
    {Box::Results, "spanCaption", 0, 0, Look::Caption},
    {Box::Results, "areaCaption", 1, 0, Look::Caption},
    {Box::Results, "aspectRatioCaption", 2, 0, Look::Caption},
    {Box::Results, "macStationCaption", 0, 3, Look::Caption, nullptr, {}, plot::Role::MeanChord},
    {Box::Results, "macLengthCaption", 1, 3, Look::Caption},
    {Box::Results,
     "centringPointCaption",
     2,
     3,
     Look::Caption,
     nullptr,
     {},
     plot::Role::CentringMark},
    {Box::Results, "spanValue", 0, 1, Look::Value, nullptr, ResultLabel::Span},
    {Box::Results, "areaValue", 1, 1, Look::Value, nullptr, ResultLabel::Area},
    {Box::Results, "aspectRatioValue", 2, 1, Look::Value, nullptr, ResultLabel::AspectRatio},
    {Box::Results, "macStationValue", 0, 4, Look::Value, nullptr, ResultLabel::MacStation},
    {Box::Results, "macLengthValue", 1, 4, Look::Value, nullptr, ResultLabel::MacLength},
    {Box::Results, "centringPointValue", 2, 4, Look::Value, nullptr, ResultLabel::Centring},
};

// The panel grid's rows, top to bottom (row 0 holds the headings).
struct GridRow {
  Field field;
  const char* name;
};
inline constexpr GridRow kGridRows[] = {{Field::RootChord, "rootChord"},
                                        {Field::TipChord, "tipChord"},
                                        {Field::PanelLength, "panelLength"},
                                        {Field::Sweep, "sweep"}};

// A caption's access key moves the focus to its field.
struct Buddy {
  std::string label;
  FieldRef field;
};
// Each panel heading's buddy: the root chord of the first panel, the tip chord of the others
// (their root chord is derived).
std::vector<Buddy> buddies();

// The buttons beside the panels, top to bottom; no command: calculate.
struct ButtonRow {
  const char* name;
  plot::Drawing (*glyph)();
  void (MainForm::*command)();
};
inline constexpr ButtonRow kButtonRows[] = {
    {"calculateButton", &plot::sumGlyph, nullptr},
    {"clearButton", &plot::crossGlyph, &MainForm::clearInputs},
    {"printButton", &plot::printerGlyph, &MainForm::printSheet}};

// The menu bar's items in order, each in its menu (none: on the bar itself), with its command and
// shortcut, and a separator before it where said. The recent files go above the quit item.
struct MenuItem {
  const char* menu;
  const char* name;
  void (MainForm::*command)();
  const char* keys = "";
  bool separated = false;
};
inline constexpr MenuItem kMenuItems[] = {
    {"fileMenu", "openItem", &MainForm::openWingFile, "Ctrl+O"},
    {"fileMenu", "saveFileItem", &MainForm::saveWingFile, "Ctrl+S"},
    {"fileMenu", "saveItem", &MainForm::saveWingAs, "Ctrl+Shift+S"},
    {"fileMenu", "printItem", &MainForm::printSheet, "Ctrl+P", true},
    {"fileMenu", "templateItem", &MainForm::printTemplate},
    {"fileMenu", "exportItem", &MainForm::exportOutline},
    {"fileMenu", "quitItem", &MainForm::quit, "Ctrl+Q", true},
    // The language has no menu: choosing its title opens the chooser.
    {nullptr, "languageItem", &MainForm::chooseLanguage},
    {"toolsMenu", "stabilityItem", &MainForm::showStability},
    {"toolsMenu", "ribsItem", &MainForm::showRibs},
    {"helpMenu", "helpItem", &MainForm::showHelp},
    {"helpMenu", "aboutItem", &MainForm::showAbout, "", true}};

// Keyboard order: panel 1, the centring, panels 2 to 5 (their root chord is derived), the mass,
// then the buttons (by name).
std::vector<std::variant<FieldRef, const char*>> tabOrder();

// A label with no field to move to shows its caption without the access key's mark: "&&" shows
// one "&", a lone "&" nothing.
std::string withoutAccessKey(const std::string& caption);

}  // namespace tavelor::ui

#include "plot/print_sheet.h"

#include <cmath>
#include <optional>
#include <string>

#include "base/decimal_text.h"
#include "base/units.h"
#include "plot/number_text.h"
#include "plot/sheet_layout.h"

namespace tavelor::plot {

namespace {

// The four rows of panel figures: where the row and its caption stand, which caption, which
// figure. An unswept panel leaves its sweep cell empty rather than printing " 0 ".
struct PanelRow {
  double top, captionLeft;
  int captionKey;
  double wing::Panel::*value;
  bool blankWhenZero;
};
constexpr PanelRow kPanelRows[] = {{33, 20, 1, &wing::Panel::rootChord, false},
                                   {37, 20, 2, &wing::Panel::tipChord, false},
                                   {41, 15, 3, &wing::Panel::length, false},
                                   {45, 20, 4, &wing::Panel::sweep, true}};

// The results beside the panel figures, each caption in its ink with the value at valueLeft.
struct ResultCell {
  double top, captionLeft, valueLeft;
  int captionKey;
  Rgb ink;
  double wing::WingResults::*value;
  std::optional<base::Quantity> quantity;  // none: a ratio
};
using enum base::Quantity;
constexpr ResultCell kResultCells[] = {
    {33, 142, 165, 6, kBlack, &wing::WingResults::span, Length},
    {33, 212, 235, 9, kRed, &wing::WingResults::macStation, Length},
    {41, 148, 165, 7, kBlack, &wing::WingResults::areaDm2, Area},
    {41, 206, 235, 10, kBlack, &wing::WingResults::macLength, Length},
    {49, 136, 165, 8, kBlack, &wing::WingResults::aspectRatio, std::nullopt},
    {49, 199, 235, 11, kBlue, &wing::WingResults::centring, Length}};

// Builds the sheet as a flow of texts: each placed where the previous one left the pen (or at a
// position of its own), as the page measures them. Every PageError goes to the caller.
class SheetBuilder {
 public:
  SheetBuilder(const SheetInput& sheet, i18n::Language& language, TextMeasure& measure)
      : sheet_(sheet), results_(sheet.results), language_(language), measure_(measure) {}

  Drawing run() {
    pen_.anchor = TextAnchor::Top;
    pen_.points = 10;
    titleLine();
    table();
    drawing();
    return std::move(drawing_);
  }

 private:
  std::string label(int key) { return language_.text("Label", std::to_string(key)); }
  void at(double xMm) { pen_.at.x = xMm; }
  void row(double yMm) { pen_.at.y = yMm; }
  // Sets s with its top-left corner at the pen. endsLine false: the pen moves right by the
  // text's advance; true: back to the left edge and down by one line height.
  void say(const std::string& s, bool endsLine = false) {
    Text text = pen_;
    text.text = s;
    if (!s.empty()) drawing_.texts.push_back(text);
    if (endsLine) {
      pen_.at = {0, pen_.at.y + measure_.lineSpacing(text)};
    } else if (!s.empty()) {
      pen_.at.x += measure_.advance(text);
    }
  }
  void sayNumber(double value) { say(printedNumber(value, sheet_.decimalMark)); }
  std::string result(double value) { return base::formatResult(value, sheet_.decimalMark); }
  // A figure in the chosen units; an input in inches or ounces to 4 decimals, as the fields show.
  double shown(base::Quantity quantity, double value) const {
    const double converted = base::shownValue(quantity, value, language_.units);
    if (language_.units == base::Units::Metric || (quantity != Length && quantity != Mass)) {
      return converted;
    }
    return std::round(converted * 1e4) / 1e4;
  }
  std::string unit(base::Quantity quantity) const {
    return std::string(" ") + base::unitSymbol(quantity, language_.units);
  }

  void titleLine() {
    row(16);
    at(20);
    say(language_.text("Print", "2") + " " + sheet_.sheetName);
    at(200);
    say(language_.text("Print", "3") + " " + sheet_.date);
    // The version in small print closes the title line; with the empty 10-point line after it,
    // the section headings land two line heights (5 pt, then 10 pt) below the title.
    pen_.points = 5;
    say("   " + versionText(), true);
    pen_.points = 10;
    say("", true);

    pen_.points = 12;
    pen_.underline = true;
    at(20);
    say(label(13));
    at(145);
    say(label(14));
    pen_.points = 9;
    pen_.underline = false;
  }

  void table() {
    const auto& panels = results_.panels;
    row(29);
    for (std::size_t i = 0; i < panels.size(); ++i) {
      at(45.0 + 17.0 * i);
      say(label(12) + " " + std::to_string(i + 1));
    }
    for (const PanelRow& r : kPanelRows) {
      row(r.top);
      at(r.captionLeft);
      say(label(r.captionKey));
      for (std::size_t i = 0; i < panels.size(); ++i) {
        at(50.0 + 17.0 * i);
        const double value = panels[i].*r.value;
        if (!r.blankWhenZero || value != 0) sayNumber(shown(Length, value));
      }
    }
    for (const ResultCell& cell : kResultCells) {
      row(cell.top);
      at(cell.captionLeft);
      pen_.colour = cell.ink;
      say(label(cell.captionKey));
      at(cell.valueLeft);
      const double value = results_.*cell.value;
      say(result(cell.quantity ? shown(*cell.quantity, value) : value));
      if (cell.quantity) say(unit(*cell.quantity) + "  ");
      pen_.colour = kBlack;
    }
    row(49);
    at(18);
    say(label(5));
    at(50);
    sayNumber(results_.centringPercent);

    row(55);
    at(35);
    say(label(15) + " : " + generalNumber(shown(Mass, results_.mass), sheet_.decimalMark) +
        unit(Mass) + "     " + label(16) + " : " + result(shown(Loading, results_.wingLoading)) +
        unit(Loading));
  }

  void drawing() {
    row(kBoxTop);
    at(kBoxLeft);
    pen_.bold = true;
    pen_.underline = true;
    const SheetScale scale = chooseScale(results_, sheet_.geometry);
    if (scale.divisor) say(language_.text("Print", "1") + scaleLabel(*scale.divisor));
    const Placement at = placeOnSheet(results_, sheet_.geometry, scale.drawScale);
    addWingFigure(drawing_, sheet_.geometry, results_.macLength, at);
    addRibFigure(drawing_, sheet_.ribs, at, 5);
  }

  const SheetInput& sheet_;
  const wing::WingResults& results_;
  i18n::Language& language_;
  TextMeasure& measure_;
  Text pen_;  // where the next text goes, and in which font
  Drawing drawing_;
};

}  // namespace

std::string versionText() {
  return "Version " + std::to_string(TAVELOR_VERSION_MAJOR) + "." +
         std::to_string(TAVELOR_VERSION_MINOR) + "." + std::to_string(TAVELOR_VERSION_PATCH);
}

Drawing sheetDrawing(const SheetInput& sheet, i18n::Language& language, TextMeasure& measure) {
  return SheetBuilder(sheet, language, measure).run();
}

}  // namespace tavelor::plot

#include "plot/print_sheet.h"

#include <string>

#include "base/decimal_text.h"
#include "plot/number_text.h"
#include "plot/sheet_layout.h"

namespace tavelor::plot {

namespace {

double mm(double millimetres) { return millimetres * twipsPerMm; }

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
  const char* unit;
};
constexpr ResultCell kResultCells[] = {
    {33, 142, 165, 6, kBlack, &wing::WingResults::span, kLengthUnit},
    {33, 212, 235, 9, kRed, &wing::WingResults::macStation, kLengthUnit},
    {41, 148, 165, 7, kBlack, &wing::WingResults::areaDm2, kAreaUnit},
    {41, 206, 235, 10, kBlack, &wing::WingResults::macLength, kLengthUnit},
    {49, 136, 165, 8, kBlack, &wing::WingResults::aspectRatio, ""},
    {49, 199, 235, 11, kBlue, &wing::WingResults::centring, kLengthUnit}};

// Builds the sheet; every PageError goes to the caller.
class SheetPrinter {
 public:
  SheetPrinter(const SheetInput& sheet, i18n::Language& language, PageSurface& page)
      : sheet_(sheet), results_(sheet.results), language_(language), page_(page) {}

  void run() {
    page_.setLandscape();
    page_.setFontName("Arial");
    page_.setFontSize(10);
    titleLine();
    table();
    drawing();
    page_.setLineStyle(LineStyle::Solid);
    page_.setBold(false);
    page_.setUnderline(false);
    page_.setFontSize(9);
  }

 private:
  std::string label(int key) { return language_.text("Label", std::to_string(key)); }
  void at(double xMm) { page_.setCurrentX(mm(xMm)); }
  void row(double yMm) { page_.setCurrentY(mm(yMm)); }
  void say(const std::string& s, bool endsLine = false) { page_.printText(s, endsLine); }
  std::string result(double value) { return base::formatResult(value, sheet_.decimalMark); }

  void titleLine() {
    row(16);
    at(20);
    say(language_.text("Print", "2") + " " + sheet_.sheetName);
    at(200);
    say(language_.text("Print", "3") + " " + sheet_.date);
    // The version in small print closes the title line; with the empty 10-point line after it,
    // the section headings land two line heights (5 pt, then 10 pt) below the title.
    page_.setFontSize(5);
    say("   " + versionText(), true);
    page_.setFontSize(10);
    say("", true);

    page_.setFontSize(12);
    page_.setUnderline(true);
    at(20);
    say(label(13));
    at(145);
    say(label(14), true);
    page_.setFontSize(9);
    page_.setUnderline(false);
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
        if (r.blankWhenZero && value == 0) {
          say("");
        } else {
          page_.printNumber(value, false);
        }
      }
    }
    for (const ResultCell& cell : kResultCells) {
      row(cell.top);
      at(cell.captionLeft);
      page_.setInkColour(cell.ink);
      say(label(cell.captionKey));
      at(cell.valueLeft);
      say(result(results_.*cell.value));
      say(cell.unit, true);
      page_.setInkColour(kBlack);
    }
    row(49);
    at(18);
    say(label(5));
    at(50);
    page_.printNumber(results_.centringPercent, false);

    row(55);
    at(35);
    say(label(15) + " : " + generalNumber(results_.mass, sheet_.decimalMark) + " g" + "     " +
            label(16) + " : " + result(results_.wingLoading) + kLoadingUnit,
        true);
  }

  void drawing() {
    page_.setCurrentY(kBoxTop);
    page_.setCurrentX(kBoxLeft);
    page_.setBold(true);
    page_.setUnderline(true);
    const SheetScale scale = chooseScale(results_, sheet_.geometry);
    if (scale.divisor) {
      say(language_.text("Print", "1") + scaleLabel(*scale.divisor), true);
    }
    page_.setBold(false);
    page_.setUnderline(false);

    const Placement at = placeOnSheet(results_, sheet_.geometry, scale.drawScale);
    drawOutline(page_, sheet_.geometry, at);
    page_.setLineStyle(LineStyle::DashDotDot);
    drawMarks(page_, sheet_.geometry, results_.macLength, at, kRed, kBlue);
  }

  const SheetInput& sheet_;
  const wing::WingResults& results_;
  i18n::Language& language_;
  PageSurface& page_;
};

}  // namespace

std::string versionText() {
  return "Version " + std::to_string(TAVELOR_VERSION_MAJOR) + "." +
         std::to_string(TAVELOR_VERSION_MINOR) + "." + std::to_string(TAVELOR_VERSION_PATCH);
}

void printSheet(const SheetInput& sheet, i18n::Language& language, PageSurface& page) {
  SheetPrinter(sheet, language, page).run();
}

}  // namespace tavelor::plot

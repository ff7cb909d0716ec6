#include "plot/print_sheet.h"

#include <string>

#include "calc/decimal_text.h"
#include "plot/number_text.h"
#include "plot/sheet_layout.h"
#include "plot/surface_coords.h"

namespace tavelor::plot {

namespace {

double mm(double millimetres) { return millimetres * twipsPerMm; }

// Builds the sheet; every PageError goes to the caller.
class SheetPrinter {
 public:
  SheetPrinter(const calc::WingState& state, PrintWindow& window, i18n::LanguageModule& language,
               PageSurface& page)
      : state_(state),
        geometry_(boundedForLayout(state)),
        window_(window),
        language_(language),
        page_(page),
        n_(lastPanelIndex(state)),
        mark_(window.decimalMark()) {}

  void run() {
    page_.setLandscape();
    page_.setFontName("Arial");
    page_.setFontSize(10);
    titleLine();
    table();
    scaleLine();
    outline(scale_.drawScale);
    marks(scale_.drawScale);

    page_.setLineStyle(LineStyle::Solid);
    page_.setBold(false);
    page_.setUnderline(false);
    page_.setFontSize(9);
  }

 private:
  std::string text(const char* section, const char* key) {
    return language_.GetINIFile(section, key);
  }
  std::string label(int key) { return language_.GetINIFile("Label", std::to_string(key)); }

  void at(double xMm) { page_.setCurrentX(mm(xMm)); }
  void row(double yMm) { page_.setCurrentY(mm(yMm)); }
  void say(const std::string& s, bool endsLine = false) { page_.printText(s, endsLine); }
  void number(double value) { page_.printNumber(value, false); }
  void result(double value) { say(calc::formatResult(value, mark_)); }
  double column(int i) const { return 50.0 + 17.0 * i; }

  void titleLine() {
    row(16);
    at(20);
    say(text("Print", "2") + " " + state_.sheetName);
    at(200);
    say(text("Print", "3") + " " + window_.shortDate());
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
    row(29);
    for (int i = 0; i <= n_; ++i) {
      at(45.0 + 17.0 * i);
      say(label(12) + " " + std::to_string(i + 1));
    }

    row(33);
    at(20);
    say(label(1));
    for (int i = 0; i <= n_; ++i) {
      at(column(i));
      number(state_.rootChord[i]);
    }
    at(142);
    say(label(6));
    at(165);
    result(2 * state_.halfSpan);
    say(state_.lengthUnit);
    at(212);
    page_.setInkColour(kRed);
    say(label(9));
    at(235);
    result(state_.macSpanPos[n_]);
    say(state_.lengthUnit, true);
    page_.setInkColour(kBlack);

    row(37);
    at(20);
    say(label(2));
    for (int i = 0; i <= n_; ++i) {
      at(column(i));
      number(state_.tipChord[i]);
    }

    row(41);
    at(15);
    say(label(3));
    for (int i = 0; i <= n_; ++i) {
      at(column(i));
      number(state_.panelLength[i]);
    }
    at(148);
    say(label(7));
    at(165);
    result(2 * state_.halfAreaMm2 / 10000);
    say(state_.areaUnit);
    at(206);
    say(label(10));
    at(235);
    result(state_.macLength[n_]);
    say(state_.lengthUnit, true);

    row(45);
    at(20);
    say(label(4));
    for (int i = 0; i <= n_; ++i) {
      at(column(i));
      // An unswept panel leaves its cell empty rather than printing " 0 ".
      if (state_.sweepOffset[i] == 0) {
        say("");
      } else {
        number(state_.sweepOffset[i]);
      }
    }

    row(49);
    at(18);
    say(label(5));
    at(50);
    number(state_.centringPct);
    at(136);
    say(label(8));
    at(165);
    result(state_.aspectRatio);
    at(199);
    page_.setInkColour(kBlue);
    say(label(11));
    at(235);
    result(state_.centringPos[n_]);
    say(state_.lengthUnit, true);
    page_.setInkColour(kBlack);

    row(55);
    at(35);
    say(label(15) + " : " + generalNumber(state_.mass, mark_) + " g" + "     " + label(16) + " : " +
            window_.resultCaption(calc::ResultLabel::LbafficheCA),
        true);
  }

  void scaleLine() {
    page_.setCurrentY(kBoxTop);
    page_.setCurrentX(kBoxLeft);
    page_.setBold(true);
    page_.setUnderline(true);
    scale_ = chooseScale(geometry_);
    if (scale_.divisor) {
      say(text("Print", "1") + scaleLabel(*scale_.divisor), true);
    }
    page_.setBold(false);
    page_.setUnderline(false);
  }

  void outline(double k) {
    stations_ = placeStations(geometry_, k);
    for (int i = 0; i <= n_; ++i) {
      drawPanelOutline(page_, geometry_, i, stations_.stationX[i], stations_.stationTE[i], k);
    }
  }

  void marks(double k) {
    const double x0 = stations_.stationX[0];
    const double te0 = stations_.stationTE[0];
    const double xs = x0 + geometry_.macSpanPos[n_] * k;
    const double le0 = te0 - geometry_.rootChord[0] * k;
    const double yc = le0 + geometry_.centringPos[n_] * k;
    auto line = [this](double x1, double y1, double x2, double y2, Rgb colour) {
      page_.drawLine(toSurface(x1), toSurface(y1), toSurface(x2), toSurface(y2), colour);
    };
    // The offsets are fixed twips so the marks stay visible at every scale.
    page_.setLineStyle(LineStyle::DashDotDot);
    line(xs - 200, yc, xs + 200, yc, kBlue);
    line(xs, yc - geometry_.macLength[n_] / 2 * k, xs, yc + geometry_.macLength[n_] * k, kRed);
    line(x0, le0 - 300, x0, le0 - 20, kRed);
    line(x0, te0 + 20, x0, te0 + 400, kRed);
    line(x0 + 50, le0, xs + 100, le0, kBlue);
  }

  const calc::WingState& state_;
  const calc::WingState geometry_;  // the figures as the outline and the marks lay them out
  PrintWindow& window_;
  i18n::LanguageModule& language_;
  PageSurface& page_;
  const int n_;
  const std::string mark_;
  SheetScale scale_;
  Stations stations_;
};

}  // namespace

std::string versionText() {
  return "Version " + std::to_string(TAVELOR_VERSION_MAJOR) + "." +
         std::to_string(TAVELOR_VERSION_MINOR) + "." + std::to_string(TAVELOR_VERSION_PATCH);
}

void imprime(const calc::WingState& state, PrintWindow& window, i18n::LanguageModule& language,
             PageSurface& page) {
  window.setBusyPointer(true);
  std::string note;
  try {
    SheetPrinter(state, window, language, page).run();
    window.setBusyPointer(false);
    page.endDocument();
  } catch (const PageError&) {
    window.setBusyPointer(false);
    try {
      page.abortDocument();
    } catch (...) {  // the fault is reported below; a second one changes nothing for the user
    }
    window.showMessage(language.GetINIFile("Message", "16"), language.GetINIFile("Label", "0"),
                       i18n::Icon::Critical, i18n::Buttons::Ok);
    return;
  }
  try {
    note = page.deliveryNote();
  } catch (const PageError&) {
    note.clear();  // the sheet is already on its way; only the extra line is lost
  }
  std::string message = language.GetINIFile("Message", "15");
  if (!note.empty()) {
    message += "\r\n" + note;
  }
  window.showMessage(message, language.GetINIFile("Label", "0"), i18n::Icon::None,
                     i18n::Buttons::Ok);
}

}  // namespace tavelor::plot

#include "ui/rib_form.h"

#include <initializer_list>
#include <utility>

#include "base/decimal_text.h"
#include "base/file_read.h"
#include "i18n/language.h"
#include "plot/rib_pictures.h"
#include "ui/rib_table.h"
#include "ui/window.h"
#include "ui/wing_inputs.h"

namespace tavelor::ui {

namespace {

// What a number field takes: a length follows the units; its least and largest value.
struct NumberRange {
  bool length;
  double least, most;
};

// In RibField's order from the spacing on; lengths in mm. The three of a spar repeat.
constexpr NumberRange kSpacing{true, 1, 10000}, kSheet{true, 0, 50}, kPercent{false, 0, 100},
    kSparSize{true, 0.1, 100}, kStock{true, 10, 100000};
constexpr NumberRange kRanges[kRibFieldCount] = {
    {},        {},        kSpacing,        kSheet,           kSheet,    kPercent, kPercent,
    kSparSize, kSparSize, kPercent,        kSparSize,        kSparSize, kPercent, kSparSize,
    kSparSize, kSheet,    {false, 1, 100}, {false, -20, 20}, kPercent,  kStock,   kStock};

constexpr int kSparFields = 3;

RibField sparField(int spar, int part) {
  return static_cast<RibField>(static_cast<int>(RibField::Spar1At) + spar * kSparFields + part);
}

using i18n::filled;

}  // namespace

RibForm::RibForm(const wing::WingGeometry& geometry, const rib::RibSettings& settings,
                 std::string decimalMark, base::Units units, TextLookup text, Ports ports)
    : geometry_(geometry),
      decimalMark_(std::move(decimalMark)),
      units_(units),
      text_(std::move(text)),
      ports_(std::move(ports)),
      kept_{settings.root, settings.tip} {
  const rib::RibSettings& s = settings;
  std::array<double, kRibFieldCount> values{};
  using enum RibField;
  for (const auto& [field, value] : {std::pair{Spacing, s.spacing},
                                     {SheetTop, s.sheetTop},
                                     {SheetBottom, s.sheetBottom},
                                     {SheetTo, s.sheetToPercent},
                                     {LeadingEdge, s.leadingEdgeStock},
                                     {TrailingEdge, s.trailingEdgePercent},
                                     {Washout, s.washoutDegrees},
                                     {WashoutPivot, s.washoutPivotPercent},
                                     {StockWidth, s.stockWidth},
                                     {StockLength, s.stockLength}}) {
    values[index(field)] = value;
  }
  shown_[index(RibField::RootAirfoil)] = s.root.name;
  shown_[index(RibField::TipAirfoil)] = s.tip.name;
  for (std::size_t i = index(RibField::Spacing); i < kRibFieldCount; ++i) {
    const bool sparPart = i >= index(RibField::Spar1At) && i <= index(RibField::Spar3Depth);
    if (!sparPart) shown_[i] = numberText(values[i], kRanges[i].length);
  }
  for (std::size_t spar = 0; spar < s.spars.size() && spar < rib::kMaxSpars; ++spar) {
    const rib::Spar& p = s.spars[spar];
    const int n = static_cast<int>(spar);
    values[index(sparField(n, 0))] = p.chordPercent;  // shown below
    values[index(sparField(n, 1))] = p.width;
    values[index(sparField(n, 2))] = p.depth;
    for (int part = 0; part < kSparFields; ++part) {
      const std::size_t i = index(sparField(n, part));
      shown_[i] = numberText(values[i], kRanges[i].length);
    }
    sides_[spar] = p.side;
  }
  initialShown_ = shown_;
  initialValue_ = values;
  drawPictures();
}

std::string RibForm::numberText(double value, bool length) const {
  const std::string metric = base::shortestText(value);
  if (length && units_ == base::Units::Imperial) {
    return base::imperialFieldText(base::Quantity::Length, metric, decimalMark_);
  }
  std::string text = metric;
  if (const auto point = text.find('.'); point != std::string::npos) {
    text.replace(point, 1, decimalMark_);
  }
  return text;
}

void RibForm::edit(RibField field, const std::string& text) {
  shown_[index(field)] = text;
  drawPictures();
}

void RibForm::setSparSide(int spar, rib::SparSide side) {
  sides_.at(static_cast<std::size_t>(spar)) = side;
  drawPictures();
}

void RibForm::chooseAirfoil(int which) {
  FileDialogRequest request;
  request.title = text(which == 0 ? "rootAirfoil" : "tipAirfoil");
  request.filterText = text("airfoilFiles") + " (*.dat *.txt);;" + text("allFiles") + " (*)";
  request.initialFolder = ports_.startFolder;
  request.mustExist = true;
  const auto path = ports_.dialogs.askOpenFileName(request);
  if (!path) return;
  const RibField field = which == 0 ? RibField::RootAirfoil : RibField::TipAirfoil;
  const std::string name = base::fileNameOf(*path);
  const base::FileRead file = base::readWholeFile(*path, 1024 * 1024);
  if (file.status != base::ReadStatus::Ok) {
    refuse(false, field, name + ": " + file.errorText);
    return;
  }
  const rib::AirfoilReading reading = rib::readAirfoil(file.bytes, name);
  if (!reading.airfoil) {
    const std::string message = text(reading.faultKey);
    refuse(false, field,
           message.empty() ? reading.error : filled(message, {name, std::to_string(reading.line)}));
    return;
  }
  kept_[static_cast<std::size_t>(which)] = reading.airfoil;
  // A section without a name goes by its file's, so the field shows which one it is.
  if (base::isBlank(reading.airfoil->name)) kept_[static_cast<std::size_t>(which)]->name = name;
  edit(field, kept_[static_cast<std::size_t>(which)]->name);
}

std::optional<rib::Airfoil> RibForm::airfoilOf(int which) const {
  const std::string& shown = shown_[static_cast<std::size_t>(which)];
  const auto& kept = kept_[static_cast<std::size_t>(which)];
  if (kept && shown == kept->name && kept->points.size() >= 3) return kept;
  return rib::nacaAirfoil(shown);
}

std::string RibForm::fieldName(RibField field) const {
  for (const RibRow& row : kRibRows) {
    const int first = static_cast<int>(row.first), at = static_cast<int>(field);
    if (at < first || at >= first + row.fields) continue;
    const std::string own = kRibFieldCaptions[index(field)];
    return text(row.captionKey) + (own.empty() ? "" : " - " + text(own));
  }
  return {};
}

void RibForm::refuse(bool quiet, RibField field, const std::string& message) {
  if (quiet) return;
  focus_ = field;
  ports_.boxes.showMessage(message, text("title"), base::Icon::Warning, base::Buttons::Ok);
}

std::optional<rib::RibSettings> RibForm::read(bool quiet) {
  rib::RibSettings s;
  for (int which = 0; which < 2; ++which) {
    const auto airfoil = airfoilOf(which);
    const RibField field = which == 0 ? RibField::RootAirfoil : RibField::TipAirfoil;
    if (!airfoil) {
      refuse(quiet, field, filled(text("badAirfoil"), {fieldName(field)}));
      return std::nullopt;
    }
    (which == 0 ? s.root : s.tip) = *airfoil;
  }
  std::array<std::optional<double>, kRibFieldCount> values;
  for (std::size_t i = index(RibField::Spacing); i < kRibFieldCount; ++i) {
    const auto field = static_cast<RibField>(i);
    // A spar whose place is blank is left out, whatever its size says.
    const std::size_t spar = i - index(RibField::Spar1At);
    if (i >= index(RibField::Spar1At) && i <= index(RibField::Spar3Depth) &&
        base::isBlank(shown_[i - spar % kSparFields])) {
      continue;
    }
    const NumberRange range = kRanges[i];
    const bool inches = range.length && units_ == base::Units::Imperial;
    auto value = shown_[i] == initialShown_[i] ? std::optional(initialValue_[i])
                                               : base::readNumber(shown_[i], decimalMark_);
    if (value && inches && shown_[i] != initialShown_[i]) *value *= base::kMmPerInch;
    if (!value || *value < range.least - 1e-9 || *value > range.most + 1e-9) {
      const auto limit = [&](double mm) { return numberText(mm, range.length); };
      refuse(quiet, field,
             filled(text("badNumber"), {fieldName(field), limit(range.least), limit(range.most)}));
      return std::nullopt;
    }
    values[i] = value;
  }
  const auto at = [&](RibField field) { return *values[index(field)]; };
  s.spacing = at(RibField::Spacing);
  s.sheetTop = at(RibField::SheetTop);
  s.sheetBottom = at(RibField::SheetBottom);
  s.sheetToPercent = at(RibField::SheetTo);
  for (int spar = 0; spar < rib::kMaxSpars; ++spar) {
    if (!values[index(sparField(spar, 0))]) continue;
    s.spars.push_back({at(sparField(spar, 0)), at(sparField(spar, 1)), at(sparField(spar, 2)),
                       sides_[static_cast<std::size_t>(spar)]});
  }
  s.leadingEdgeStock = at(RibField::LeadingEdge);
  s.trailingEdgePercent = at(RibField::TrailingEdge);
  s.washoutDegrees = at(RibField::Washout);
  s.washoutPivotPercent = at(RibField::WashoutPivot);
  s.stockWidth = at(RibField::StockWidth);
  s.stockLength = at(RibField::StockLength);
  RibSheets sheets = ribSheets(geometry_, s);
  switch (sheets.fault) {
    case RibFault::None:
      // Drawn, exported and printed from these, so a keystroke computes the ribs once.
      sheets_ = std::move(sheets);
      return s;
    case RibFault::TooClose:
      refuse(quiet, RibField::Spacing, text("tooClose"));
      break;
    case RibFault::Uncut:
      refuse(quiet, s.spars.empty() ? RibField::LeadingEdge : sparField(0, 2),
             filled(text("uncut"), {sheets.uncut}));
      break;
    case RibFault::TooLarge:
      refuse(quiet, RibField::StockWidth, text("tooLarge"));
      break;
  }
  return std::nullopt;
}

bool RibForm::keyPasses(RibField field, char32_t character) {
  return field == RibField::RootAirfoil || field == RibField::TipAirfoil ||
         numberKeyPasses(character, field == RibField::Washout);
}

bool RibForm::accept() {
  result_ = read(false);
  return result_.has_value();
}

bool RibForm::exportRibs() {
  const auto settings = read(false);
  if (settings && ports_.exportRibs) ports_.exportRibs(*settings, sheets_);
  return settings.has_value();
}

bool RibForm::printRibs() {
  const auto settings = read(false);
  if (settings && ports_.printRibs) ports_.printRibs(*settings, sheets_);
  return settings.has_value();
}

void RibForm::drawPictures() {
  const auto settings = read(true);
  if (!settings) return;
  pictures_[0] = plot::ribPicture(sheets_.ribs.front(), rib::resampled(settings->root), *settings);
  pictures_[1] = plot::ribPicture(sheets_.ribs.back(), rib::resampled(settings->tip), *settings);
  pictures_[2] = plot::firstStockSheet(*sheets_.drawing, settings->stockWidth);
}

}  // namespace tavelor::ui

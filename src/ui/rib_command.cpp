// The ribs commands of the main form: the ribs window, and the rib sheets printed at full size.
#include <charconv>
#include <memory>

#include "rib/rib_record.h"
#include "ui/main_form.h"

namespace tavelor::ui {

void MainForm::showRibs() {
  const i18n::Language::Pass pass(language_);
  if (!figuresReady()) return;
  // A record that no longer reads is set up afresh from the defaults.
  const auto settings = ribLines_.empty() ? std::nullopt : rib::ribSettingsOf(ribLines_);
  RibForm form(
      geometry_, settings.value_or(rib::defaultRibSettings()), window_.decimalMark(), units_,
      [this](const std::string& key) { return language_.textOrEnglish("Ribs", key); },
      {window_, window_, startFolder(), [this](const rib::RibSettings& s) { exportRibs(s); },
       [this](const rib::RibSettings& s) { printRibs(s); }});
  window_.showRibs(form);
  if (!form.result()) return;
  std::vector<std::string> lines = rib::ribRecordLines(*form.result());
  if (lines == ribLines_) return;
  ribLines_ = std::move(lines);
  showFigures();  // the plan with the new rib lines
}

void MainForm::printRibs(const rib::RibSettings& settings) {
  const i18n::Language::Pass pass(language_);
  const RibSheets sheets = ribSheets(geometry_, settings);
  if (!sheets.drawing) return;  // the ribs window has read the settings
  const std::unique_ptr<TemplateJob> job = prepareFullSizePrint("noPrinterRibs", " - ribs");
  if (!job) return;
  // The overview's line: how many ribs on how many sheets of which size.
  const auto mm = [](double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
  };
  const std::string figures =
      i18n::filled(language_.textOrEnglish("Ribs", "overview"),
                   {std::to_string(sheets.ribs), std::to_string(sheets.sheets),
                    mm(settings.stockWidth) + " x " + mm(settings.stockLength) + " mm"});
  printFullSize(*job, plot::fullSizeDrawing(*sheets.drawing), {sheetName_, figures},
                sheetName_ + " - ribs", "ribsPrinted");
}

}  // namespace tavelor::ui

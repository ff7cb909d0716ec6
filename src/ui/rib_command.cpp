// The ribs commands of the main form: the ribs window, and the rib sheets printed at full size.
#include <memory>

#include "base/decimal_text.h"
#include "rib/rib_record.h"
#include "ui/main_form.h"

namespace tavelor::ui {

void MainForm::showRibs() {
  const i18n::Language::Pass pass(language_);
  if (!figuresReady()) return;
  // A record that no longer reads is set up afresh from the defaults.
  const auto settings = ribLines_.empty() ? std::nullopt : rib::ribSettingsOf(ribLines_);
  RibForm form(geometry_, settings.value_or(rib::defaultRibSettings()), window_.decimalMark(),
               units_,
               [this](const std::string& key) { return language_.textOrEnglish("Ribs", key); },
               {window_, window_, startFolder(),
                [this](const rib::RibSettings&, const RibSheets& r) { exportRibs(r); },
                [this](const rib::RibSettings& s, const RibSheets& r) { printRibs(s, r); }});
  window_.showRibs(form);
  if (!form.result()) return;
  std::vector<std::string> lines = rib::ribRecordLines(*form.result());
  if (lines == ribLines_) return;
  ribLines_ = std::move(lines);
  showFigures();  // the plan with the new rib lines
}

void MainForm::printRibs(const rib::RibSettings& settings, const RibSheets& sheets) {
  const i18n::Language::Pass pass(language_);
  const std::unique_ptr<TemplateJob> job = prepareFullSizePrint("noPrinterRibs", " - ribs");
  if (!job) return;
  // The overview's line: how many ribs on how many sheets of which size.
  const std::string figures =
      i18n::filled(language_.textOrEnglish("Ribs", "overview"),
                   {std::to_string(sheets.ribs.size()), std::to_string(sheets.sheets),
                    base::shortestText(settings.stockWidth) + " x " +
                        base::shortestText(settings.stockLength) + " mm"});
  printFullSize(*job, plot::fullSizeDrawing(*sheets.drawing), {sheetName_, figures},
                sheetName_ + " - ribs", "ribsPrinted");
}

}  // namespace tavelor::ui

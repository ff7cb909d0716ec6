// The export command of the main form: the outline as a DXF or SVG file for cutting.
#include "base/file_read.h"
#include "plot/outline_drawing.h"
#include "rib/rib_record.h"
#include "ui/command_line.h"
#include "ui/main_form.h"

namespace tavelor::ui {

namespace {

// A menu caption as a window title: no access-key mark, no trailing dots.
std::string plainCaption(const std::string& caption) {
  std::string plain;
  for (const char c : caption) {
    if (c != '&') plain += c;
  }
  while (!plain.empty() && (plain.back() == '.' || plain.back() == ' ')) plain.pop_back();
  return plain;
}

}  // namespace

plot::RibLines MainForm::ribLineFigures() const {
  if (ribLines_.empty()) return {};
  const auto settings = rib::ribSettingsOf(ribLines_);
  return settings ? plot::ribLinesOf(rib::wingRibs(geometry_, *settings)) : plot::RibLines{};
}

std::string MainForm::wingName() {
  return lastWingFile_.empty() ? language_.text("Message", "14") : files::wingNameOf(lastWingFile_);
}

void MainForm::saveCutFile(const std::string& title, const std::string& proposedName,
                           const std::function<std::string(OutlineFormat)>& bytesFor) {
  FileDialogRequest request;
  request.title = plainCaption(title);
  request.filterText = "DXF (*.dxf);;SVG (*.svg)";
  request.defaultExtension = "dxf";
  request.confirmOverwrite = true;
  request.initialFolder = startFolder();
  request.proposedName = proposedName;
  const auto path = window_.askSaveFileName(request);
  if (!path) return;

  // The dialog gives the name the chosen filter's extension; any other is written as DXF.
  const auto format = outlineFormatOf(*path);
  if (const auto error =
          files::writeFileBytes(*path, bytesFor(format.value_or(OutlineFormat::Dxf)))) {
    reportFileError(*error);
    return;
  }
  lastFolder_ = base::folderOf(*path);
  window_.showStatus(language_.textOrEnglish("Message", "saved") + " " + *path);
}

void MainForm::exportOutline() {
  const i18n::Language::Pass pass(language_);
  if (!figuresReady()) return;
  const std::string name = wingName();
  saveCutFile(language_.textOrEnglish("File", "6"), name, [&](OutlineFormat format) {
    return format == OutlineFormat::Svg
               ? plot::outlineSvg(geometry_, name, units_, ribLineFigures())
               : plot::outlineDxf(geometry_, units_, ribLineFigures());
  });
}

void MainForm::exportRibs(const RibSheets& sheets) {
  const i18n::Language::Pass pass(language_);
  const std::string name = wingName() + " ribs";
  saveCutFile(language_.textOrEnglish("Ribs", "export"), name,
              [&](OutlineFormat format) { return ribFileBytes(*sheets.drawing, format, name); });
}

}  // namespace tavelor::ui

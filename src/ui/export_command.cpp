// The export command of the main form: the outline as a DXF or SVG file for cutting.
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

void MainForm::exportOutline() {
  const i18n::Language::Pass pass(language_);
  if (!figuresReady()) return;
  FileDialogRequest request;
  request.title = plainCaption(language_.textOrEnglish("File", "6"));
  request.filterText = "DXF (*.dxf);;SVG (*.svg)";
  request.defaultExtension = "dxf";
  request.confirmOverwrite = true;
  request.initialFolder = startFolder();
  const std::string wingName =
      lastWingFile_.empty() ? language_.text("Message", "14") : files::wingNameOf(lastWingFile_);
  request.proposedName = wingName;
  const auto path = window_.askSaveFileName(request);
  if (!path) return;

  // The dialog gives the name the chosen filter's extension; any other is written as DXF.
  const std::string bytes = outlineFormatOf(*path) == OutlineFormat::Svg
                                ? plot::outlineSvg(geometry_, wingName, units_, ribLineFigures())
                                : plot::outlineDxf(geometry_, units_, ribLineFigures());
  if (const auto error = files::writeFileBytes(*path, bytes)) {
    reportFileError(*error);
    return;
  }
  lastFolder_ = path->substr(0, path->rfind(base::kSeparator[0]));
  window_.showStatus(language_.textOrEnglish("Message", "saved") + " " + *path);
}

}  // namespace tavelor::ui

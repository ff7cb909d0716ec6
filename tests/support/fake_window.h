#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "plot/drawing.h"
#include "support/language_folder.h"
#include "ui/main_form.h"

namespace tavelor::testing {

// The main window in memory: what the form shows is recorded, what the user answers is preset.
// Like a real window, a changed tip chord runs the copy.
class FakeWindow : public ui::Window {
 public:
  base::Answer showMessage(const std::string& text, const std::string& title, base::Icon icon,
                           base::Buttons buttons) override {
    return boxes.showMessage(text, title, icon, buttons);
  }
  std::string fieldText(ui::Field field, int index) const override {
    const auto it = fields.find({field, index});
    return it == fields.end() ? std::string() : it->second;
  }
  void setFieldText(ui::Field field, int index, const std::string& text) override {
    const bool changed = std::exchange(fields[{field, index}], text) != text;
    if (changed && field == ui::Field::TipChord && form) form->copyTipChords();
    if (changed && form) form->inputChanged();
  }
  void selectAll(ui::Field, int) override {}
  void setFocus(ui::Field field, int index) override { focus = {field, index}; }
  void setResultText(ui::ResultLabel label, const std::string& text) override {
    results[label] = text;
  }
  void setWindowTitle(const std::string& text) override { title = text; }
  std::string decimalMark() const override { return mark; }

  void setCaption(const std::string&, const std::string&) override {}
  void setToolTip(const std::string&, const std::string&) override {}

  std::string promptText(const std::string&, const std::string&, const std::string&) override {
    return prompt;
  }
  std::optional<std::string> askSaveFileName(const ui::FileDialogRequest& request) override {
    saveRequest = request;
    return std::exchange(chosenFile, std::nullopt);
  }
  std::optional<std::string> askOpenFileName(const ui::FileDialogRequest&) override {
    return std::exchange(chosenFile, std::nullopt);
  }
  void showLanguageChooser(i18n::Language& language) override {
    if (!chooserPick.empty()) language.currentLanguage = chooserPick;
  }
  std::string documentsFolder() const override { return documents; }
  void showRecentFiles(const std::vector<std::string>& paths) override { recent = paths; }
  void showAbout(const ui::AboutTexts&) override {}
  void showHelp(const ui::HelpTexts&) override {}
  // Types tailTyped, then calculates and uses the CG when asked to.
  void showStability(ui::StabilityForm& form) override {
    for (std::size_t i = 0; tailTyped && i < tailTyped->size(); ++i) form.edit(i, (*tailTyped)[i]);
    if (!useStabilityCg) return;
    stabilityWarning = form.calculate();
    form.useCentring();
    stabilityFigures = form.figures();
  }

  // The user's doings in the ribs window, when a test gives them.
  void showRibs(ui::RibForm& form) override {
    if (ribsUser) ribsUser(form);
  }

  void setBusyPointer(bool busy) override { busyDepth += busy ? 1 : -1; }
  std::unique_ptr<plot::PageSurface> openPage(const std::string&) override {
    return std::move(page);
  }
  std::string shortDate() const override { return "06/12/2026"; }
  void usePdfFolder(const std::string& folder) override { pdfFolder = folder; }

  std::unique_ptr<ui::TemplateJob> openTemplateJob() override { return std::move(templateJob); }

  void showPlan(plot::Drawing) override {}
  void showStatus(const std::string& text) override { status = text; }
  void showStale(const std::string& note) override { staleNote = note; }
  void showUnits(base::Units shown) override { units = shown; }
  void endProgram() override { ended = true; }

  // Types a wing's panels (root, tip, length, sweep each), its centring and its mass.
  void typeWing(const std::vector<std::vector<std::string>>& panels, const std::string& centring,
                const std::string& mass) {
    for (std::size_t i = 0; i < panels.size(); ++i) {
      for (int field = 0; field < 4; ++field) {  // RootChord to Sweep
        setFieldText(static_cast<ui::Field>(field), static_cast<int>(i), panels[i][field]);
      }
    }
    setFieldText(ui::Field::Centring, 0, centring);
    setFieldText(ui::Field::Mass, 0, mass);
  }

  ui::MainForm* form = nullptr;
  RecordingMessages boxes;
  std::map<std::pair<ui::Field, int>, std::string> fields;
  std::map<ui::ResultLabel, std::string> results;
  std::string title, mark = ".", prompt, chooserPick, documents = "/home/user/Documents", status,
                     pdfFolder, staleNote;
  std::vector<std::string> recent;
  base::Units units = base::Units::Metric;
  std::pair<ui::Field, int> focus;
  std::optional<std::string> chosenFile;
  ui::FileDialogRequest saveRequest;
  std::unique_ptr<ui::TemplateJob> templateJob;
  std::unique_ptr<plot::PageSurface> page;
  std::optional<files::TailTexts> tailTyped;  // in the stability window
  bool useStabilityCg = false;
  std::optional<std::string> stabilityWarning;
  std::array<std::string, ui::kStabilityFigureCount> stabilityFigures;
  std::function<void(ui::RibForm&)> ribsUser;
  int busyDepth = 0;
  bool ended = false;
};

// A language folder with English stored, whose [Message] n reads "Mn", and a main form started
// on a fake window.
struct FormFixture {
  FormFixture() : language(texts(), "English") {
    language.folder.write("tv.ini", "[Langue]\r\n1=English\r\n");
    window.form = &form;
    form.startUp();
  }
  static IniSections texts() {
    IniSections texts{{"Label", {{"0", "Tavelor"}}}};
    // Panel messages but the root chord's, which gives message 1 as in an older file.
    for (const char* key : {"panelTip", "panelTipZero", "panelLength", "panelNumber"}) {
      texts["Message"][key] = std::string(key) + " %1";
    }
    texts["Message"]["stale"] = "Stale";
    for (const char* key :
         {"warnPanel1", "warnPanel2", "warnArm", "warnEfficiency", "warnHeight", "warnMargin"}) {
      texts["Stability"][key] = key;
    }
    for (int n = 1; n <= 20; ++n) texts["Message"][std::to_string(n)] = "M" + std::to_string(n);
    texts["Ribs"] = {{"title", "Ribs"},
                     {"spacing", "Spacing"},
                     {"tipAirfoil", "Tip"},
                     {"badNumber", "%1: %2-%3"},
                     {"badAirfoil", "%1?"},
                     {"airfoilPair", "%1@%2"},
                     {"overview", "%1 ribs, %2 sheets of %3"}};
    for (const char* key : {"noPrinter", "noPrinterTemplate", "noPrinterRibs", "ribsPrinted",
                            "saved", "missingFile"}) {
      texts["Message"][key] = key;
    }
    return texts;
  }
  LanguageFolder language;
  FakeWindow window;
  ui::MainForm form{window, language.folder.path()};
};

}  // namespace tavelor::testing

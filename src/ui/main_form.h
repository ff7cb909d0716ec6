#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/units.h"
#include "files/wing_file.h"
#include "i18n/language.h"
#include "plot/outline_drawing.h"
#include "ui/command_line.h"
#include "ui/window.h"
#include "ui/wing_inputs.h"
#include "wing/geometry.h"

namespace tavelor::ui {

// The only texts of the program that no language file supplies: start-up has no language yet.
inline constexpr const char* kPleaseSelectLanguage = "Please select a language";
std::string noLanguageFileText(const std::string& programFolder);
// The file-error message: the error's number and description as the window shows them.
std::string fileErrorText(i18n::Language& language, const files::FileError& error);
// What a refused calculation tells the user. A panel's message names the panel; a language file
// without the panel messages gives its message 1 instead.
std::string refusalText(i18n::Language& language, const ComputedTexts& computed);

// The main form: owns the language and the last results for the program's whole life, runs the
// start-up sequence and every command of the main window. It holds no toolkit code; the window
// layer calls these commands from its own events.
class MainForm {
 public:
  // programFolder: the executable's folder, without a trailing separator.
  MainForm(Window& window, std::string programFolder);
  MainForm(const MainForm&) = delete;
  MainForm& operator=(const MainForm&) = delete;

  // Runs once, before the window is shown: makes sure a language is chosen, translates the
  // window and clears the inputs. Returns false when the program cannot start (no language
  // file in its folder): the user was told and the window was asked to end the program.
  bool startUp();

  // Reads the fields, computes the wing, shows the figures and draws the plan. False after a
  // message about the input, the focus then in the field to correct: the last figures and plan
  // stay on screen, shown stale.
  bool calculate();
  // A field's text changed: figures that no longer match the inputs are shown stale.
  void inputChanged();
  // Empties the panels, the mass and the results; the centring back to "30".
  void clearInputs();
  void openWingFile();
  // Opens the file at path as File > Open does once the file is chosen.
  void openWingFile(const std::string& path);
  void saveWingAs();
  // File > Save: to the file last opened or saved; Save as while there is none.
  void saveWingFile();
  // An entry of File's list of recent files; a file no longer there is refused and dropped.
  void openRecentFile(const std::string& path);
  void printSheet();
  void printTemplate();
  void exportOutline();
  // Ends the program, once the unsaved-changes question (if any) lets it.
  void quit();
  // The window's close control: true when it may close (nothing unsaved, or the user's answer).
  bool mayCloseWindow();
  void chooseLanguage();
  // Tools > Units: the fields, figures and plan switch at once; the choice is kept in tv.ini.
  void setUnits(base::Units units);
  base::Units units() const { return units_; }
  void showHelp();
  void showAbout();
  // The stability window on the figures, calculated first when they are not current.
  void showStability();
  // The ribs window on the figures, calculated first when they are not current: on OK its
  // settings become the wing's rib record.
  void showRibs();
  // The ribs window's Export ribs... and Print ribs...: the stock sheets the ribs window made
  // (and whose settings read), into a DXF or SVG file, or at full size over printer pages.
  void exportRibs(const RibSheets& sheets);
  void printRibs(const rib::RibSettings& settings, const RibSheets& sheets);
  // The stability window's CG for the margin becomes the wing's centring, and is calculated.
  void useCentring(const std::string& percentText);

  // A tip chord changed: copy every tip chord into the next panel's root chord.
  void copyTipChords();
  // An input field gained the focus: its text is selected.
  void fieldFocused(Field field, int index);

  i18n::Language& language() { return language_; }
  // The figures of the last calculation that stood (shown stale once the inputs differ).
  const std::optional<wing::WingResults>& results() const { return results_; }
  const std::string& sheetName() const { return sheetName_; }
  // The stability window's texts: kept while the program runs, saved and opened with the wing.
  const files::TailTexts& stabilityTexts() const { return stabilityTexts_; }
  // The rib record: opened with the wing or set in the ribs window, saved with it.
  const std::vector<std::string>& ribRecord() const { return ribLines_; }

 private:
  bool settleLanguage();
  // The figures stand for the inputs as they are now: calculated since the last change.
  bool figuresCurrent() const { return results_ && calculatedTexts_ == fieldTexts(); }
  // What a command using the figures does first: calculate when they are not current. True when
  // the figures stand.
  bool figuresReady() { return figuresCurrent() || calculate(); }
  void showStaleness();
  void showFigures();
  // The fields' texts as the files hold them, in millimetres and grams.
  files::WingTexts fieldTexts() const;
  void showFieldTexts(const files::WingTexts& texts);
  // The wing as the window holds it, without a name.
  files::WingDocument document() const;
  void warn(const std::string& text);
  // When the inputs changed since they were last opened, saved or cleared, asks whether to save
  // them first. True when the caller may go on: nothing changed, No, or Yes and a saved wing.
  bool offerToSaveChanges();
  void keepInputs();
  // Save as; true when the wing was written.
  bool saveWing();
  bool saveToCurrentFile();  // Save: the current file, or Save as without one
  // Writes the wing to path; true when it was written (a fault has been shown otherwise).
  bool writeWing(const std::string& path);
  // Where a file dialog or a PDF file starts: the folder last used, else the documents folder.
  std::string startFolder() const;
  // path becomes the newest recent file and its folder the one last used.
  void rememberFile(const std::string& path);
  void storeRecentFiles();
  void loadRecentFiles();
  void reportFileError(const files::FileError& error);
  void showFileName(const std::string& path);
  FileDialogRequest wingFileRequest(const char* titleKey);
  // What a print command does before printing: the calculation when the figures are not
  // current (its refusal ends the command); the name prompt; the printer opened by `open`
  // (message 16 when it throws plot::PageError); the printer question. True when printing goes
  // ahead.
  struct Printer {
    std::string deviceName, pdfFolder;
  };
  // The sheet's name (it names the PDF file, with fileSuffix), then the printer question naming
  // the queue, or the PDF file when there is none.
  bool preparePrint(const char* noPrinterKey, const std::string& fileSuffix,
                    const std::function<Printer()>& open);
  // The status line after printing: the queue's note (queueKey), or the PDF file written.
  void showPrinted(const std::string& pdfPath, const char* queueKey);
  void showPrintFault();
  // preparePrint for a print at full size: the job on the printer the user confirmed, or
  // nothing when the command ends there.
  std::unique_ptr<TemplateJob> prepareFullSizePrint(const char* noPrinterKey,
                                                    const std::string& fileSuffix);
  // Prints drawing at full size on job's printer; the status line after it says queueKey's note.
  void printFullSize(TemplateJob& job, const plot::TemplateDrawing& drawing,
                     const plot::TemplateTexts& texts, const std::string& documentName,
                     const char* queueKey);
  // The file dialog of a cut file (titled by the caption titleKey of [File]), then the file
  // written, the status line saying so. bytesFor gives the chosen format's bytes.
  void saveCutFile(const std::string& title, const std::string& proposedName,
                   const std::function<std::string(OutlineFormat)>& bytesFor);
  // The wing's name: its file's, else the name a new sheet is offered.
  std::string wingName();
  // The rib lines of the wing on the figures when its ribs were set up (a rib record that
  // reads), else none.
  plot::RibLines ribLineFigures() const;

  Window& window_;
  i18n::Language language_;
  std::optional<wing::WingResults> results_;
  wing::WingGeometry geometry_;
  files::WingTexts calculatedTexts_;  // the inputs of results_
  bool figuresShown_ = false;         // the result labels hold figures
  bool staleShown_ = false;
  // The first field has been focused by the user: from then on commands give it the focus back.
  bool focusReady_ = false;
  std::string sheetName_;
  files::TailTexts stabilityTexts_;
  base::Units units_ = base::Units::Metric;
  // Each field's text as last shown and the metric text it stands for: a field the user did not
  // edit gives its metric text back byte for byte.
  files::WingTexts shownTexts_, metricTexts_;
  std::vector<std::string> ribLines_;     // the rib record as opened or set in the ribs window
  std::string lastWingFile_;              // the path last opened or saved, empty before the first
  std::string lastFolder_;                // the folder of the file last opened or written
  std::vector<std::string> recentFiles_;  // newest first
  // The inputs as last opened, saved or cleared.
  files::WingDocument kept_;
};

}  // namespace tavelor::ui

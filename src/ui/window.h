#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/message_box.h"
#include "base/units.h"
#include "files/wing_file.h"
#include "i18n/caption_target.h"
#include "i18n/language.h"
#include "plot/drawing.h"
#include "plot/page_surface.h"
#include "plot/template_layout.h"
#include "ui/about_help_texts.h"
#include "ui/form_fields.h"
#include "ui/rib_form.h"
#include "ui/stability_form.h"
#include "wing/wing.h"

namespace tavelor::ui {

// What the file dialogs are asked for.
struct FileDialogRequest {
  std::string title;
  std::string filterText;  // e.g. "Wing files (*.txt)"; several are separated by ";;"
  std::string initialFolder;
  std::string proposedName;  // save: the file name offered in the folder
  // "txt"; with several filters a save gets the chosen filter's extension unless the typed
  // name ends with one of theirs.
  std::string defaultExtension;
  bool confirmOverwrite = false;  // save: ask before replacing an existing file
  bool mustExist = false;         // open: the file must exist
};

// The extension a dialog's filter stands for: "svg" for "SVG (*.svg)"; empty for none.
std::string filterExtension(const std::string& filter);

// The name a save dialog with several filters gives back: one that ends in none of the filters'
// extensions (in any case), such as "wing.v2", gets the chosen filter's after it. Nothing when
// the name keeps its own.
std::optional<std::string> withChosenExtension(const FileDialogRequest& request,
                                               const std::string& path,
                                               const std::string& chosenFilter);

// Prompts and dialogs that wait for the user.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Modal text prompt; returns the typed text on OK, the empty text on Cancel.
  virtual std::string promptText(const std::string& prompt, const std::string& title,
                                 const std::string& proposed) = 0;
  // The confirmed full path, or nothing when the user cancelled.
  virtual std::optional<std::string> askSaveFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> askOpenFileName(const FileDialogRequest& request) = 0;
  // The language chooser: runs an i18n::LanguageChooser until the user closes it.
  virtual void showLanguageChooser(i18n::Language& language) = 0;
  virtual void showAbout(const AboutTexts& texts) = 0;
  virtual void showHelp(const HelpTexts& texts) = 0;
  // The stability window on a computed wing, showing the form until the user closes it.
  virtual void showStability(StabilityForm& form) = 0;
  // The ribs window, showing the form until the user closes it (OK: after form.accept()).
  virtual void showRibs(RibForm& form) = 0;
  // The user's documents folder (the home folder when there is none): where file dialogs start
  // before any file was opened or saved.
  virtual std::string documentsFolder() const = 0;
  // The files opened or saved last, newest first, as File lists them.
  virtual void showRecentFiles(const std::vector<std::string>& paths) = 0;
};

// The printer as the print command reaches it.
class Printing {
 public:
  virtual ~Printing() = default;
  virtual void setBusyPointer(bool busy) = 0;
  // A fresh page on the system's printer (or a PDF file when there is none), for one sheet.
  // sheetName is read when the sheet is printed (it names the PDF file); it must outlive the page.
  virtual std::unique_ptr<plot::PageSurface> openPage(const std::string& sheetName) = 0;
  // The current date in the locale's short form.
  virtual std::string shortDate() const = 0;
  // Where a PDF file goes when the system has no print queue: the folder last used.
  virtual void usePdfFolder(const std::string& folder) = 0;
};

// One full-size drawing (the wing's template, the rib sheets) on its way to the printer chosen
// when the job was opened, tiled over its pages.
class TemplateJob {
 public:
  virtual ~TemplateJob() = default;
  // A print queue's name, or the folder the PDF file will go to.
  virtual std::string deviceName() const = 0;
  // The folder a PDF file goes to when there is no print queue, else empty.
  virtual std::string pdfFolder() const { return {}; }
  // Prints every page (plot::templatePages), or throws plot::PageError with nothing printed.
  // documentName names the print job, or the PDF file. Returns the line the success message
  // adds: the PDF file's path, or nothing for a print queue.
  virtual std::string print(const plot::TemplateDrawing& drawing, const plot::TemplateTexts& texts,
                            const std::string& documentName) = 0;
};

// The outputs beyond the sheet that need the toolkit: the printer of full-size pages.
class Outputs {
 public:
  virtual ~Outputs() = default;
  // The system's printer, as for the sheet; may throw plot::PageError.
  virtual std::unique_ptr<TemplateJob> openTemplateJob() = 0;
};

// The main window as the main form drives it: small ports, each implemented by the Qt layer and
// answered in the core tests by one recording fake. Secondary windows are modal: each call
// returns when the window has closed.
class Window : public FormFields,
               public base::MessageBoxes,
               public i18n::CaptionTarget,
               public Dialogs,
               public Printing,
               public Outputs {
 public:
  // Shows the plan strip's picture (see plot::planDrawing) until the next one.
  virtual void showPlan(plot::Drawing plan) = 0;
  // A line in the status bar saying what a command has done, until the next one.
  virtual void showStatus(const std::string& text) = 0;
  // With a note, the result figures and the plan are shown stale (greyed, the note in the results
  // frame); with none, as figures that stand.
  virtual void showStale(const std::string& note) = 0;
  // The units the window speaks: Tools > Units shows the choice checked, and every label naming
  // a unit names these.
  virtual void showUnits(base::Units units) = 0;
  // Ends the program at once: every window closes, nothing is asked or saved.
  virtual void endProgram() = 0;
};

}  // namespace tavelor::ui

#pragma once

#include "files/file_window.h"
#include "i18n/caption_target.h"
#include "i18n/language.h"
#include "plot/drawing_surface.h"
#include "plot/print_window.h"
#include "ui/about_help_texts.h"

namespace tavelor::ui {

// The main window `frmMain` as the main form drives it: every port the logic layers need, plus
// what only the shell uses. The Qt layer implements it; core tests use a recording fake.
//
// Secondary windows are modal and owned by the main window: each show* call returns when the
// window has closed.
class Window : public plot::PrintWindow, public files::FileWindow, public i18n::CaptionTarget {
 public:
  // The plan strip `plan`; clearPlan() clears the same surface.
  virtual plot::DrawingSurface& planSurface() = 0;
  // The language chooser `lang`: builds its view, runs an i18n::LanguageChooser on it (with this
  // window as the caption target for translate) and returns when the user has closed it.
  virtual void showLanguageChooser(i18n::LanguageModule& language) = 0;
  virtual void showAbout(const AboutTexts& texts) = 0;
  virtual void showHelp(const HelpTexts& texts) = 0;
  // Ends the program at once: every window closes, nothing is asked or saved.
  virtual void endProgram() = 0;
};

}  // namespace tavelor::ui

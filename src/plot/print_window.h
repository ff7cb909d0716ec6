#pragma once

#include <memory>
#include <string>

#include "calc/input_window.h"
#include "plot/page_surface.h"

namespace tavelor::plot {

// What the print command and the print routine need from the main window and the platform.
class PrintWindow : public virtual calc::InputWindow {
 public:
  virtual void setBusyPointer(bool busy) = 0;
  // Modal text prompt; returns the typed text on OK, the empty text on Cancel.
  virtual std::string promptText(const std::string& prompt, const std::string& title,
                                 const std::string& proposed) = 0;
  // A fresh page on the system's printer (or its fallback), for one sheet.
  virtual std::unique_ptr<PageSurface> openPage() = 0;
  // The current date in the locale's short form.
  virtual std::string shortDate() const = 0;
};

}  // namespace tavelor::plot

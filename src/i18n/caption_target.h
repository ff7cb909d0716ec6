#pragma once

#include <string>

namespace tavelor::i18n {

// The main window as translate sees it: captions and tool tips set by control name.
// Names: "mainWindow" (title bar), the menus and their items ("fileMenu", "openItem", ...),
// the captions of fields and results ("rootChordCaption", ...), the panel headings
// "panelHeading0" .. "panelHeading4", the frames "inputsFrame" and "resultsFrame", and the buttons
// "calculateButton", "clearButton", "printButton".
class CaptionTarget {
 public:
  virtual ~CaptionTarget() = default;
  virtual void setCaption(const std::string& control, const std::string& text) = 0;
  virtual void setToolTip(const std::string& control, const std::string& text) = 0;
  // The language's locale ("en", "fr", "de"...): the toolkit's own texts and dates follow it.
  virtual void useLocale(const std::string& /*locale*/) {}
};

}  // namespace tavelor::i18n

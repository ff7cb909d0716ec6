#pragma once

#include <string>

namespace tavelor::i18n {

// The main window as translate sees it: captions and tool tips set by control name.
// Names: "frmMain" (title bar), the menus "mnufile", "mnuopen", "mnusave", "mnufileprint",
// "mnufilequit", "mnulang", "mnuaide", "mnuhlp", "nmuabout", the labels "Label1" .. "Label11",
// "Lbmasse", "Lbca", "Trap0" .. "Trap4", the frames "données" and "résultats", the buttons
// "cmdCalcul", "cmdClear", "cmdprint".
class CaptionTarget {
 public:
  virtual ~CaptionTarget() = default;
  virtual void setCaption(const std::string& control, const std::string& text) = 0;
  virtual void setToolTip(const std::string& control, const std::string& text) = 0;
};

}  // namespace tavelor::i18n

#pragma once

#include <optional>
#include <string>

#include "calc/input_window.h"

namespace tavelor::files {

// What the file dialogs are asked for.
struct FileDialogRequest {
  std::string title;              // Message 4 (save) or Message 7 (open)
  std::string filterText;         // Message 5 + " (*.txt)"
  std::string filterPattern;      // "*.txt"
  std::string initialFolder;      // the program folder
  std::string defaultExtension;   // "txt"
  bool confirmOverwrite = false;  // save: ask before replacing an existing file
  bool mustExist = false;         // open: the file must exist
};

class FileWindow : public virtual calc::InputWindow {
 public:
  // The confirmed full path, or nothing when the user cancelled.
  virtual std::optional<std::string> askSaveFileName(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> askOpenFileName(const FileDialogRequest& request) = 0;
};

}  // namespace tavelor::files

#pragma once

#include <string>

namespace tavelor::base {

// The application's short title, shown by every message box given no title of its own.
inline constexpr const char* kAppTitle = "Tavelor";

// The path separator that joins the program folder and a file name.
inline constexpr const char* kSeparator = "/";

enum class Icon { None, Warning, Critical, Information, Question };
enum class Buttons { Ok, OkCancel, YesNoCancel };
// Escape or the close control answers Cancel.
enum class Answer { Ok, Cancel, Yes, No };

// Modal message boxes, as every layer that reports to the user needs them. The window layer
// implements this; tests answer it with a recording fake.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows text with title (an empty title shows kAppTitle), waits until it is closed.
  virtual Answer showMessage(const std::string& text, const std::string& title, Icon icon,
                             Buttons buttons) = 0;
};

}  // namespace tavelor::base

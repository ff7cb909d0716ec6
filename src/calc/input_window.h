#pragma once

#include <string>

#include "i18n/message_box.h"

namespace tavelor::calc {

// The six kinds of input field. C_max .. deport are arrays indexed by panel (0 = root panel);
// Cg and masse are single fields and ignore the index.
enum class Field { C_max, C_min, L_trap, deport, Cg, masse };

// The result labels filled by the calculation and emptied by clearInputs.
enum class ResultLabel { Lbenv, Lbsurf, Lballong, Lbdist_x, Lbcmoy, Lbdistcentr, LbafficheCA };

inline constexpr int kPanels = 5;

// What the input logic needs from the main window. Texts are UTF-8.
//
// setFieldText behaves as a real field does: when the text of a C_min field changes, the window
// notifies the main form, which runs the tip-to-root copy (C_min_Change). Fakes must do the same.
class InputWindow : public virtual i18n::MessageBoxes {
 public:
  virtual std::string fieldText(Field field, int index) const = 0;
  virtual void setFieldText(Field field, int index, const std::string& text) = 0;
  virtual void selectAll(Field field, int index) = 0;
  virtual void setFocus(Field field, int index) = 0;
  virtual void setResultCaption(ResultLabel label, const std::string& text) = 0;
  virtual std::string resultCaption(ResultLabel label) const = 0;
  virtual void setWindowCaption(const std::string& text) = 0;
  virtual void clearPlan() = 0;
  // The decimal separator of the user's locale ("," or "."), used to read and write numbers.
  virtual std::string decimalMark() const = 0;
};

}  // namespace tavelor::calc

#pragma once

#include <string>

namespace tavelor::ui {

// The kinds of input field. The first four exist once per panel (index 0 = root panel); the
// centring and the mass are single fields and ignore the index.
enum class Field { RootChord, TipChord, PanelLength, Sweep, Centring, Mass };

// The labels that show the results.
enum class ResultLabel {
  Span,
  Area,
  AspectRatio,
  MacStation,
  MacLength,
  Centring,
  WingLoading,
  CubeLoading
};

// The main window's fields, result labels and title as the commands see them. Texts are UTF-8.
//
// setFieldText behaves as a real field does: when the text of a tip-chord field changes, the
// window tells the main form, which copies it into the next panel's root chord.
class FormFields {
 public:
  virtual ~FormFields() = default;
  virtual std::string fieldText(Field field, int index) const = 0;
  virtual void setFieldText(Field field, int index, const std::string& text) = 0;
  virtual void selectAll(Field field, int index) = 0;
  virtual void setFocus(Field field, int index) = 0;
  virtual void setResultText(ResultLabel label, const std::string& text) = 0;
  virtual void setWindowTitle(const std::string& text) = 0;
  // The decimal separator of the user's locale ("," or "."), used to read and write numbers.
  virtual std::string decimalMark() const = 0;
};

}  // namespace tavelor::ui

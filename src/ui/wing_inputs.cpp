#include "ui/wing_inputs.h"

#include "base/decimal_text.h"

namespace tavelor::ui {

namespace {

constexpr char32_t kBackspace = 8;

std::size_t slotOf(Field field, int panel) {
  if (field == Field::Centring) return files::kFieldCount - 2;
  if (field == Field::Mass) return files::kFieldCount - 1;
  return static_cast<std::size_t>(panel * 4 + static_cast<int>(field));
}

}  // namespace

bool numberKeyPasses(char32_t character, bool takesSign) {
  return (character >= U'0' && character <= U'9') || character == U'.' || character == U',' ||
         character == kBackspace || (takesSign && character == U'-');
}

bool keyPasses(Field field, char32_t character) {
  return numberKeyPasses(character, field == Field::Sweep);
}

InputReading readInputs(const files::WingTexts& texts, std::string_view decimalMark) {
  // An empty field reads 0; a text that is no number is refused with the rest of its kind.
  bool unreadable = false;
  const auto read = [&](Field field, int panel) {
    const auto number = base::readNumberOr(texts[slotOf(field, panel)], decimalMark, 0);
    unreadable = unreadable || !number;
    return number.value_or(0);
  };
  InputReading reading;
  int lengthCount = -1;  // panels with a length, minus one
  int tipCount = -1;     // panels with a tip chord, minus one
  for (int i = 0; i < kPanels; ++i) {
    const wing::Panel panel{read(Field::RootChord, i), read(Field::TipChord, i),
                            read(Field::PanelLength, i), read(Field::Sweep, i)};
    if (panel.length != 0) ++lengthCount;
    if (panel.tipChord != 0) ++tipCount;
    // Panel 1 without a length, a length without a tip chord or the other way round, or a
    // panel in use after an empty one.
    if (unreadable || lengthCount == -1 || lengthCount != tipCount ||
        (panel.length != 0 && lengthCount != i)) {
      reading.fault = InputFault::Panels;
      return reading;
    }
    if (panel.length != 0) reading.inputs.panels.push_back(panel);
  }

  // No number, a blank or any zero is refused with the rest.
  const double centring = read(Field::Centring, 0);
  if (!(centring > 0 && centring < 100)) {
    reading.fault = InputFault::Centring;
    return reading;
  }
  if (reading.inputs.panels[0].rootChord == 0) {
    reading.fault = InputFault::Panels;
    return reading;
  }
  reading.inputs.centringPercent = centring;
  reading.inputs.mass = read(Field::Mass, 0);
  if (unreadable) reading.fault = InputFault::Mass;
  return reading;
}

files::WingTexts openedTexts(const files::WingDocument& document) {
  files::WingTexts texts = document.texts;
  for (int i = 0; i + 1 < kPanels; ++i) {
    texts[slotOf(Field::RootChord, i + 1)] = texts[slotOf(Field::TipChord, i)];
  }
  return texts;
}

ComputedTexts computeTexts(const files::WingTexts& texts, std::string_view decimalMark) {
  const InputReading reading = readInputs(texts, decimalMark);
  if (reading.fault == InputFault::Centring) return {std::nullopt, "2"};
  if (reading.fault == InputFault::Panels) return {std::nullopt, "1"};
  if (reading.fault == InputFault::Mass) return {std::nullopt, "17"};
  wing::WingOutcome computed = wing::computeWing(reading.inputs);
  if (computed.results) return {std::move(computed.results), nullptr};
  return {std::nullopt, computed.fault == wing::WingFault::Mass ? "17" : "1"};
}

}  // namespace tavelor::ui

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
  std::optional<FieldRef> unreadable;
  const auto read = [&](Field field, int panel) {
    const auto number = base::readNumberOr(texts[slotOf(field, panel)], decimalMark, 0);
    if (!number && !unreadable) unreadable = FieldRef{field, panel};
    return number.value_or(0);
  };
  InputReading reading;
  const auto refuse = [&](const char* key, Field field, int panel) {
    reading.fault = InputFault::Panels;
    reading.panelKey = key;
    reading.faultAt = {field, panel};
    return reading;
  };
  // The first missing field of a panel in use: a tip chord typed as 0 is named as such.
  const auto missing = [&](const wing::Panel& panel, int i) {
    if (i == 0 && panel.rootChord == 0) return refuse("panelRoot", Field::RootChord, 0);
    if (panel.tipChord == 0) {
      const bool typed =
          texts[slotOf(Field::TipChord, i)].find_first_not_of(' ') != std::string::npos;
      return refuse(typed ? "panelTipZero" : "panelTip", Field::TipChord, i);
    }
    return refuse("panelLength", Field::PanelLength, i);
  };
  int lengthCount = -1;  // panels with a length, minus one
  int tipCount = -1;     // panels with a tip chord, minus one
  for (int i = 0; i < kPanels; ++i) {
    const wing::Panel panel{read(Field::RootChord, i), read(Field::TipChord, i),
                            read(Field::PanelLength, i), read(Field::Sweep, i)};
    if (panel.length != 0) ++lengthCount;
    if (panel.tipChord != 0) ++tipCount;
    if (unreadable) return refuse("panelNumber", unreadable->field, unreadable->index);
    // Panel 1 without a length, a length without a tip chord or the other way round.
    if (lengthCount == -1 || lengthCount != tipCount) return missing(panel, i);
    // A panel in use after an empty one: the first empty one lacks its tip chord.
    if (panel.length != 0 && lengthCount != i)
      return refuse("panelTip", Field::TipChord, lengthCount);
    if (panel.length != 0) reading.inputs.panels.push_back(panel);
  }

  // No number, a blank or any zero is refused with the rest.
  const double centring = read(Field::Centring, 0);
  if (!(centring > 0 && centring < 100)) {
    reading.fault = InputFault::Centring;
    reading.faultAt = {Field::Centring, 0};
    return reading;
  }
  if (reading.inputs.panels[0].rootChord == 0) return refuse("panelRoot", Field::RootChord, 0);
  reading.inputs.centringPercent = centring;
  unreadable.reset();
  reading.inputs.mass = read(Field::Mass, 0);
  if (unreadable) {
    reading.fault = InputFault::Mass;
    reading.faultAt = {Field::Mass, 0};
  }
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
  if (reading.fault != InputFault::None) {
    const char* key = reading.fault == InputFault::Centring ? "2"
                      : reading.fault == InputFault::Mass   ? "17"
                                                            : reading.panelKey;
    return {std::nullopt, key, reading.faultAt};
  }
  wing::WingOutcome computed = wing::computeWing(reading.inputs);
  if (computed.results) return {std::move(computed.results), nullptr, std::nullopt};
  if (computed.fault == wing::WingFault::Mass)
    return {std::nullopt, "17", FieldRef{Field::Mass, 0}};
  return {std::nullopt, "1", std::nullopt};
}

}  // namespace tavelor::ui

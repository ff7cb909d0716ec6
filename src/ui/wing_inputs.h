#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "files/wing_file.h"
#include "ui/form_fields.h"
#include "wing/wing.h"

namespace tavelor::ui {

inline constexpr int kPanels = wing::kMaxPanels;

struct FieldRef {
  Field field;
  int index;
};

// The fields in the wing file's order: each panel's root chord, tip chord, length and sweep,
// root panel first, then the centring and the mass.
inline constexpr std::array<FieldRef, files::kFieldCount> kFieldOrder = [] {
  std::array<FieldRef, files::kFieldCount> order{};
  std::size_t next = 0;
  for (int panel = 0; panel < kPanels; ++panel) {
    for (auto field : {Field::RootChord, Field::TipChord, Field::PanelLength, Field::Sweep}) {
      order[next++] = {field, panel};
    }
  }
  order[next++] = {Field::Centring, 0};
  order[next++] = {Field::Mass, 0};
  return order;
}();

// The one rule for what a number field takes: digits, either decimal mark and Backspace; a '-'
// only where the number takes a sign.
bool numberKeyPasses(char32_t character, bool takesSign);
// Whether a character typed into a main window's field of this kind reaches it: the sweeps take a
// sign.
bool keyPasses(Field field, char32_t character);

enum class InputFault { None, Panels, Centring, Mass };

struct InputReading {
  wing::WingInputs inputs;
  InputFault fault = InputFault::None;
  // The field the user is sent to, and for the panels the [Message] key naming what is wrong.
  FieldRef faultAt{Field::RootChord, 0};
  const char* panelKey = nullptr;
};

// Reads the texts as the window holds them (base::readNumber; an empty text is 0): the panels in
// use (a length and a tip chord, no gap before them), the centring (above 0 and below 100) and the
// mass.
InputReading readInputs(const files::WingTexts& texts, std::string_view decimalMark);

// The texts read and the wing computed, as Calculate does it: the results, or the [Message] key
// of what the user is told (2 the centring, 17 the mass, a panel key naming the panel's field, 1
// the panels when the calculation refuses them) and the field to correct, if one is known.
struct ComputedTexts {
  std::optional<wing::WingResults> results;
  const char* refusalKey = nullptr;
  std::optional<FieldRef> faultAt;
};
ComputedTexts computeTexts(const files::WingTexts& texts, std::string_view decimalMark);

// The texts a wing document gives the fields, for the window and the command line alike: as the
// window's root chords after panel 1 always show the tip chord before them, every tip chord is
// copied into the next panel's root chord, whatever root chord the file stored.
files::WingTexts openedTexts(const files::WingDocument& document);

}  // namespace tavelor::ui

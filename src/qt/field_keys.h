#pragma once

#include <QKeyEvent>
#include <optional>

namespace tavelor::qt {

// The character a key press types into a text field, as the field's key filter must judge it:
// Backspace is 8; Control with a letter (the clipboard and editing shortcuts) is the matching
// control character, so the filter discards it; keys that type nothing (arrows, Home, Delete,
// Tab, function keys) give nothing and are left to the field.
std::optional<char32_t> typedCharacter(const QKeyEvent& event);

// Enter or Return, which presses the window's default button instead of reaching the field.
bool isEnterKey(const QKeyEvent& event);

}  // namespace tavelor::qt

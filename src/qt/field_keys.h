#pragma once

#include <QKeyEvent>
#include <functional>
#include <optional>

namespace tavelor::qt {

// The character a key press types into a text field, as the field's key filter must judge it:
// Backspace is 8; Control with a letter (the clipboard and editing shortcuts) is the matching
// control character, so the filter discards it; keys that type nothing (arrows, Home, Delete,
// Tab, function keys) give nothing and are left to the field.
std::optional<char32_t> typedCharacter(const QKeyEvent& event);

// Whether a number field must not get this key press: it types a character `passes` refuses, or
// several characters at once (an input method) one of which it refuses.
bool refusesKey(const QKeyEvent& event, const std::function<bool(char32_t)>& passes);

// Enter or Return, which presses the window's default button instead of reaching the field.
bool isEnterKey(const QKeyEvent& event);

}  // namespace tavelor::qt

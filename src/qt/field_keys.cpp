#include "qt/field_keys.h"

#include <algorithm>

namespace tavelor::qt {

bool isEnterKey(const QKeyEvent& event) {
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

std::optional<char32_t> typedCharacter(const QKeyEvent& event) {
  const int key = event.key();
  switch (key) {
    case Qt::Key_Backspace:
      return U'\b';
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
      return std::nullopt;
    case Qt::Key_Escape:
      return U'\x1b';
    default:
      break;
  }
  // Ctrl with @, A to Z, [, \, ], ^ or _ types the control character 64 below it.
  if ((event.modifiers() & Qt::ControlModifier) && key >= Qt::Key_At && key <= Qt::Key_Underscore)
    return static_cast<char32_t>(key - Qt::Key_At);
  const QString text = event.text();
  if (text.isEmpty()) return std::nullopt;
  const auto codePoints = text.toUcs4();
  if (codePoints.isEmpty()) return std::nullopt;
  return static_cast<char32_t>(codePoints.front());
}

bool refusesKey(const QKeyEvent& event, const std::function<bool(char32_t)>& passes) {
  const auto character = typedCharacter(event);
  if (!character) return false;
  if (!passes(*character)) return true;
  const auto typed = event.text().toUcs4();
  return !std::all_of(typed.begin(), typed.end(), passes);
}

}  // namespace tavelor::qt

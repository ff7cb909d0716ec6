// The input fields' events: the key filter, Enter for Calculate, and the focus that selects.
#include <QFocusEvent>
#include <QKeyEvent>

#include "qt/field_keys.h"
#include "qt/main_window.h"

namespace tavelor::qt {

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  const auto found = fieldIds_.find(watched);
  if (found == fieldIds_.end() || !form_) return QMainWindow::eventFilter(watched, event);
  const ui::FieldRef id = found->second;
  switch (event->type()) {
    case QEvent::ShortcutOverride: {
      // A field would take Ctrl+V and the like as its own shortcuts; claim them here so that the
      // key press comes to the filter below, which discards them. The menus' shortcuts pass.
      const auto* key = static_cast<QKeyEvent*>(event);
      const auto character = typedCharacter(*key);
      if (!isEnterKey(*key) && character && *character < 0x20 && *character != U'\b' &&
          !ui::keyPasses(id.field, *character) && !isMenuShortcut(*key)) {
        event->accept();
        return true;
      }
      break;
    }
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (isEnterKey(*key)) {
        buttons_["calculateButton"]->click();
        return true;
      }
      if (refusesKey(*key, [&id](char32_t c) { return ui::keyPasses(id.field, c); })) return true;
      break;
    }
    case QEvent::FocusIn: {
      // Coming back from another window or a menu is no new focus for the field.
      const auto reason = static_cast<QFocusEvent*>(event)->reason();
      const bool returning =
          reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
      if (!returning || watched != lastFocusedField_) {
        lastFocusedField_ = watched;
        form_->fieldFocused(id.field, id.index);
      }
      break;
    }
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tavelor::qt

#pragma once

#include <string>

#include "i18n/caption_target.h"
#include "i18n/language.h"

namespace tavelor::i18n {

// Applies the current language file to the main window: menus, title bar, labels, panel
// headings, frames, buttons and the calculate button's tool tip, each text looked up at the
// moment it is set. A missing file, section or key gives an empty text and is not reported.
void translate(Language& language, CaptionTarget& mainWindow);

}  // namespace tavelor::i18n

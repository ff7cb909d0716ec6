#pragma once

#include <string>

#include "i18n/language.h"

namespace tavelor::i18n {

// The language file every copy of the program ships, and the one that holds every key.
inline constexpr const char* kEnglishLanguage = "English";

// The text of a key that language files written for older versions may lack: the chosen file's
// text, or the English file's when the chosen file has none (or no language is chosen yet).
std::string addedText(Language& language, const std::string& section, const std::string& key);

}  // namespace tavelor::i18n

#include "i18n/translate.h"

#include <string>
#include <utility>

namespace tavelor::i18n {

namespace {

struct CaptionSource {
  const char* control;
  const char* section;
  const char* key;
};

// Every caption the language file gives the main window directly.
constexpr CaptionSource kCaptions[] = {
    {"fileMenu", "File", "0"},
    {"openItem", "File", "1"},
    {"saveItem", "File", "2"},
    {"printItem", "File", "3"},
    {"quitItem", "File", "4"},
    {"languageItem", "language", "1"},
    {"helpMenu", "Help", "0"},
    {"helpItem", "Help", "1"},
    {"aboutItem", "Help", "2"},
    {"mainWindow", "Label", "0"},
    {"rootChordCaption", "Label", "1"},
    {"tipChordCaption", "Label", "2"},
    {"lengthCaption", "Label", "3"},
    {"sweepCaption", "Label", "4"},
    {"centringCaption", "Label", "5"},
    {"spanCaption", "Label", "6"},
    {"areaCaption", "Label", "7"},
    {"aspectRatioCaption", "Label", "8"},
    {"macStationCaption", "Label", "9"},
    {"macLengthCaption", "Label", "10"},
    {"centringPointCaption", "Label", "11"},
    {"inputsFrame", "Label", "13"},
    {"resultsFrame", "Label", "14"},
    {"calculateButton", "Button", "1"},
    {"clearButton", "Button", "2"},
    {"printButton", "Button", "3"},
};

// Captions of entries added later: language files written before them fall back to English.
constexpr CaptionSource kAddedCaptions[] = {
    {"templateItem", "File", "5"},         {"exportItem", "File", "6"},
    {"toolsMenu", "Tools", "0"},           {"stabilityItem", "Tools", "1"},
    {"unitsMenu", "Tools", "units"},       {"metricItem", "Tools", "metric"},
    {"imperialItem", "Tools", "imperial"}, {"ribsItem", "Tools", "ribs"},
};

// The shipped files by name, for a language file without its own locale key.
constexpr std::pair<const char*, const char*> kShippedLocales[] = {{"English", "en"},
                                                                   {"Fran\xC3\xA7"
                                                                    "ais",
                                                                    "fr"},
                                                                   {"Deutsch", "de"}};

// The current language's locale: its file's [Language] locale, else the shipped file's by name.
std::string localeOf(Language& language) {
  std::string locale = language.text("Language", "locale");
  for (const auto& [name, shipped] : kShippedLocales) {
    if (locale.empty() && language.currentLanguage == name) locale = shipped;
  }
  return locale;
}

}  // namespace

void translate(Language& language, CaptionTarget& mainWindow) {
  for (const CaptionSource& c : kCaptions) {
    mainWindow.setCaption(c.control, language.text(c.section, c.key));
  }
  for (const CaptionSource& c : kAddedCaptions) {
    mainWindow.setCaption(c.control, language.textOrEnglish(c.section, c.key));
  }
  mainWindow.setCaption("massCaption", language.text("Label", "15") + " : ");
  mainWindow.setCaption("wingLoadingCaption", language.text("Label", "16") + " : ");
  mainWindow.setCaption("cubeLoadingCaption",
                        language.textOrEnglish("Label", "cubeLoading") + " : ");
  for (int index = 0; index < 5; ++index) {
    // Looked up for each heading, as every text is read at the moment it is shown.
    mainWindow.setCaption("panelHeading" + std::to_string(index),
                          language.text("Label", "12") + " " + std::to_string(index + 1));
  }
  mainWindow.setToolTip("calculateButton", language.text("ToolTipText", "1"));
  mainWindow.setCaption("saveFileItem", language.textOrEnglish("File", "save"));
  mainWindow.useLocale(localeOf(language));
}

}  // namespace tavelor::i18n

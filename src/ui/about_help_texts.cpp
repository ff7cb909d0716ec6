#include "ui/about_help_texts.h"

#include <string>

#include "plot/print_sheet.h"

namespace tavelor::ui {

namespace {

constexpr const char* kCrLf = "\r\n";

// One line of a help text: some blanks, the text of one key, one or two CR LF.
struct HelpLine {
  int key;
  int blanks;
  int lineEnds;
};

// The layout of the help text and of its closing lines; keys 19 and 20 are deliberately absent.
constexpr HelpLine kHelpLines[] = {
    {1, 0, 1},  {2, 5, 1},  {3, 5, 1},  {4, 5, 1},  {5, 5, 1},  {6, 8, 1},  {7, 8, 1},
    {8, 5, 2},  {9, 0, 2},  {10, 0, 1}, {11, 0, 1}, {12, 0, 2}, {13, 0, 2}, {14, 0, 1},
    {15, 0, 2}, {16, 0, 1}, {17, 0, 2}, {18, 0, 1}, {25, 3, 1}, {26, 3, 1}, {27, 0, 2},
};
// Keys from here on came after the first language files: a file without them shows English.
constexpr int kFirstAddedKey = 25;
constexpr HelpLine kClosingLines[] = {{21, 0, 1}, {22, 10, 1}, {23, 10, 1}, {24, 10, 0}};

template <std::size_t N>
std::string buildLines(i18n::Language& language, const HelpLine (&lines)[N]) {
  std::string text;
  for (const HelpLine& line : lines) {
    text.append(static_cast<std::size_t>(line.blanks), ' ');
    const std::string key = std::to_string(line.key);
    text += line.key < kFirstAddedKey ? language.text("MsgHelp", key)
                                      : language.textOrEnglish("MsgHelp", key);
    for (int i = 0; i < line.lineEnds; ++i) text += kCrLf;
  }
  return text;
}

}  // namespace

std::string versionLine(const std::string& currentLanguage) {
  return plot::versionText() + " - " + currentLanguage;
}

AboutTexts buildAboutTexts(i18n::Language& language) {
  AboutTexts texts;
  texts.okCaption = language.text("Button", "4");
  texts.caption = language.text("About", "1");
  texts.title = language.text("About", "2");
  texts.version = versionLine(language.currentLanguage);
  texts.description = language.text("About", "4") + kCrLf;
  texts.description += language.text("About", "5") + kCrLf;
  texts.description +=
      language.text("About", "6") + " : " + language.text("About", "translate") + kCrLf;
  texts.description += language.text("About", "email") + kCrLf + kCrLf;
  texts.info = language.textOrEnglish("About", "info");
  return texts;
}

HelpTexts buildHelpTexts(i18n::Language& language) {
  HelpTexts texts;
  texts.caption = language.textOrEnglish("Help", "title");
  texts.helpText = buildLines(language, kHelpLines);
  texts.closingText = buildLines(language, kClosingLines);
  texts.okCaption = language.text("Button", "4");
  return texts;
}

}  // namespace tavelor::ui

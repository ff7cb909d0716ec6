#include "plot/print_command.h"

#include <memory>
#include <string>

#include "plot/print_sheet.h"

namespace tavelor::plot {

void mnufileprint_Click(calc::WingState& state, PrintWindow& window,
                        i18n::LanguageModule& language) {
  if (!state.resultsValid) {
    window.showMessage(language.GetINIFile("Message", "10"), language.GetINIFile("Label", "0"),
                       i18n::Icon::Critical, i18n::Buttons::Ok);
    return;
  }

  // One page for the whole command: the printer the user confirms is the one that prints.
  std::unique_ptr<PageSurface> page;
  std::string device;
  try {
    page = window.openPage();
    if (!page) {
      throw PageError("no page");
    }
    device = page->deviceName();
  } catch (const PageError&) {
    window.showMessage(language.GetINIFile("Message", "16"), language.GetINIFile("Label", "0"),
                       i18n::Icon::Critical, i18n::Buttons::Ok);
    return;
  }

  const std::string question = language.GetINIFile("Message", "11") + " " + device + " ?";
  if (window.showMessage(question, language.GetINIFile("Label", "0"), i18n::Icon::Question,
                         i18n::Buttons::OkCancel) == i18n::Answer::Cancel) {
    return;
  }

  state.sheetName =
      window.promptText("\r\n\r\n" + language.GetINIFile("Message", "12"),
                        language.GetINIFile("Message", "13"), language.GetINIFile("Message", "14"));
  if (state.sheetName.empty()) {
    return;
  }

  imprime(state, window, language, *page);
}

void cmdprint_Click(calc::WingState& state, PrintWindow& window, i18n::LanguageModule& language) {
  mnufileprint_Click(state, window, language);
}

}  // namespace tavelor::plot

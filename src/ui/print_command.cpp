// The print commands of the main form: the sheet at its scale and the full-size template, each
// on the system's printer.
#include <algorithm>
#include <memory>

#include "base/decimal_text.h"
#include "plot/pdf_name.h"
#include "plot/print_sheet.h"
#include "ui/main_form.h"

namespace tavelor::ui {

bool MainForm::preparePrint(const char* noPrinterKey, const std::string& fileSuffix,
                            const std::function<Printer()>& open) {
  if (!figuresReady()) return false;
  window_.usePdfFolder(startFolder());
  // The name first: without a print queue it names the PDF file the question shows.
  sheetName_ = window_.promptText("\r\n\r\n" + language_.text("Message", "12"),
                                  language_.text("Message", "13"), language_.text("Message", "14"));
  if (sheetName_.empty()) return false;
  // One printer for the whole command: the one the user confirms is the one that prints.
  std::string question;
  try {
    const Printer printer = open();
    question = printer.pdfFolder.empty()
                   ? language_.text("Message", "11") + " " + printer.deviceName + " ?"
                   : language_.textOrEnglish("Message", noPrinterKey) + " " +
                         plot::freePdfPath(printer.pdfFolder, sheetName_ + fileSuffix) + "?";
  } catch (const plot::PageError&) {
    showPrintFault();
    return false;
  }
  return window_.showMessage(question, language_.text("Label", "0"), base::Icon::Question,
                             base::Buttons::OkCancel) != base::Answer::Cancel;
}

void MainForm::showPrintFault() {
  window_.showMessage(language_.text("Message", "16"), language_.text("Label", "0"),
                      base::Icon::Critical, base::Buttons::Ok);
}

void MainForm::showPrinted(const std::string& pdfPath, const char* queueKey) {
  window_.showStatus(pdfPath.empty() ? language_.textOrEnglish("Message", queueKey)
                                     : language_.textOrEnglish("Message", "saved") + " " + pdfPath);
}

void MainForm::printSheet() {
  const i18n::Language::Pass pass(language_);
  std::unique_ptr<plot::PageSurface> page;
  const bool ready = preparePrint("noPrinter", "", [&] {
    page = window_.openPage(sheetName_);
    if (!page) throw plot::PageError("no page");
    return Printer{page->deviceName(), page->pdfFolder()};
  });
  if (!ready) return;

  window_.setBusyPointer(true);
  bool printed = true;
  try {
    page->print(plot::sheetDrawing({*results_, geometry_, sheetName_, window_.shortDate(),
                                    window_.decimalMark(), ribLineFigures()},
                                   language_, *page));
  } catch (const plot::PageError&) {
    printed = false;
  }
  window_.setBusyPointer(false);
  if (!printed) {
    try {
      page->abortDocument();
    } catch (...) {  // the fault is reported below; a second one changes nothing for the user
    }
    showPrintFault();
    return;
  }
  std::string note;
  try {
    note = page->deliveryNote();
  } catch (const plot::PageError&) {
    note.clear();  // the sheet is already on its way; only the extra line is lost
  }
  showPrinted(note, "15");
}

std::unique_ptr<TemplateJob> MainForm::prepareFullSizePrint(const char* noPrinterKey,
                                                            const std::string& fileSuffix) {
  std::unique_ptr<TemplateJob> job;
  const bool ready = preparePrint(noPrinterKey, fileSuffix, [&] {
    job = window_.openTemplateJob();
    if (!job) throw plot::PageError("no printer");
    return Printer{job->deviceName(), job->pdfFolder()};
  });
  if (!ready) job.reset();
  return job;
}

void MainForm::printTemplate() {
  const i18n::Language::Pass pass(language_);
  const std::unique_ptr<TemplateJob> job = prepareFullSizePrint("noPrinterTemplate", " - template");
  if (!job) return;

  // The overview's line of main figures, worded as the window's captions.
  const std::string mark = window_.decimalMark();
  std::string figures;
  for (const auto& [key, value] :
       {std::pair{"6", results_->span}, std::pair{"10", results_->macLength},
        std::pair{"11", results_->centring}}) {
    if (!figures.empty()) figures += "   ";
    std::string number = base::formatResult(value, mark);
    number.erase(0, std::min(number.find_first_not_of(' '), number.size()));  // leading blanks
    figures += language_.text("Label", key) + " " + number + " mm";
  }
  printFullSize(*job, plot::templateDrawing(geometry_, ribLineFigures()), {sheetName_, figures},
                sheetName_ + " - template", "19");
}

void MainForm::printFullSize(TemplateJob& job, const plot::TemplateDrawing& drawing,
                             const plot::TemplateTexts& texts, const std::string& documentName,
                             const char* queueKey) {
  window_.setBusyPointer(true);
  std::optional<std::string> note;
  try {
    note = job.print(drawing, texts, documentName);
  } catch (const plot::PageError&) {
    note.reset();
  }
  window_.setBusyPointer(false);
  if (!note) {
    showPrintFault();
    return;
  }
  showPrinted(*note, queueKey);
}

}  // namespace tavelor::ui

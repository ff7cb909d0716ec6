// The main window's outputs beyond the sheet: the template and the rib sheets at full size on
// the system's printer.
#include <QDir>
#include <QFile>

#include "plot/pdf_name.h"
#include "qt/main_window.h"
#include "qt/pdf_destination.h"
#include "qt/template_printer.h"
#include "qt/text.h"

namespace tavelor::qt {

namespace {

class QtTemplateJob final : public ui::TemplateJob {
 public:
  explicit QtTemplateJob(PrintDestination destination) : destination_(std::move(destination)) {}

  std::string deviceName() const override { return destination_.deviceName(); }
  std::string pdfFolder() const override {
    return destination_.queue.isNull() ? fromQ(QDir::toNativeSeparators(destination_.pdfFolder))
                                       : std::string();
  }

  std::string print(const plot::TemplateDrawing& drawing, const plot::TemplateTexts& texts,
                    const std::string& documentName) override {
    if (!destination_.queue.isNull()) {
      QPrinter printer(destination_.queue, QPrinter::HighResolution);
      printer.setDocName(toQ(documentName));
      printFullSize(printer, drawing, texts);
      return {};
    }
    // A new file beside the sheets, never one that is there already.
    const QString path = toQ(plot::reservePdfPath(fromQ(destination_.pdfFolder), documentName));
    try {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      printFullSize(printer, drawing, texts);
    } catch (...) {
      QFile::remove(path);  // reserved here: nothing half written stays behind
      throw;
    }
    return fromQ(QDir::toNativeSeparators(path));
  }

 private:
  PrintDestination destination_;
};

}  // namespace

std::unique_ptr<ui::TemplateJob> MainWindow::openTemplateJob() {
  return std::make_unique<QtTemplateJob>(systemPrintDestination(pdfFolder_));
}

}  // namespace tavelor::qt

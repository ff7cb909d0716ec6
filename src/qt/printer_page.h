#pragma once

// The print sheet's page on a real printer: a plot::PageSurface over QPainter and a full-page,
// high-resolution QPrinter, either on one of the system's print queues or written as a PDF file.
//
// The sheet is built whole (measuring its texts on this printer) before anything is painted: Qt
// cannot cancel a job once painting has begun (QPrinter::abort does nothing on the CUPS and PDF
// engines, and ending the painter hands the half sheet to the queue), so a fault while the
// sheet is built drops it whole: nothing reaches the printer.

#include <QPrinter>
#include <QString>
#include <memory>
#include <string>

#include "plot/page_surface.h"
#include "qt/pdf_destination.h"

namespace tavelor::qt {

class QtPrinterPage final : public plot::PageSurface {
 public:
  // Prints on a print queue of the system (its name is the device name); the job is titled
  // after sheetName as it reads when the sheet is printed. sheetName must outlive the page.
  static std::unique_ptr<QtPrinterPage> onQueue(const QPrinterInfo& queue,
                                                const std::string& sheetName);
  // Writes the sheet as a new PDF file in folder, named after sheetName as it reads when the
  // sheet is printed (the print command fills it in after it has asked for the device name).
  // sheetName must outlive the page; pass the main form's sheet name.
  static std::unique_ptr<QtPrinterPage> toPdfFolder(const QString& folder,
                                                    const std::string& sheetName);

  ~QtPrinterPage() override;

  double advance(const plot::Text& text) override;
  double lineSpacing(const plot::Text& text) override;
  void print(const plot::Drawing& drawing) override;
  std::string deviceName() override;
  std::string pdfFolder() const override;
  void abortDocument() override;
  std::string deliveryNote() const override;

 private:
  enum class Target { Queue, PdfFolder };

  QtPrinterPage(Target target, std::unique_ptr<QPrinter> printer);
  // Puts the layout on the printer once, before any measuring or painting: the printer's paper
  // (A4 when it names none), landscape, no margins, positions from the paper's corner.
  void applyLayout();
  void checkOpen() const;
  // Device units per millimetre of the sheet.
  double unitsPerMm() const;
  void openTarget();

  Target target_;
  std::unique_ptr<QPrinter> printer_;
  QString pdfFolder_;
  QString pdfPath_;
  const std::string* sheetName_ = nullptr;
  bool pathReserved_ = false;  // pdfPath_ was created by this page and may be removed again
  bool laidOut_ = false;
  bool ended_ = false;
  bool delivered_ = false;  // the document reached the printer or the file whole
};

// The page for one sheet at systemPrintDestination(); a PDF file is named after sheetName (see
// QtPrinterPage::toPdfFolder).
std::unique_ptr<plot::PageSurface> openSystemPrinterPage(const std::string& sheetName,
                                                         const QString& pdfFolder);

}  // namespace tavelor::qt

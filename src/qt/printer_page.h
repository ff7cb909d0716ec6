#pragma once

// The print sheet's page on a real printer: a plot::PageSurface over QPainter and a full-page,
// high-resolution QPrinter, either on one of the system's print queues or written as a PDF file.
//
// The sheet is recorded while the print routine builds it and only painted on the printer when
// the document ends. Qt cannot cancel a job once painting has begun (QPrinter::abort does nothing
// on the CUPS and PDF engines, and ending the painter hands the half sheet to the queue), so
// recording first is what lets a fault drop the whole sheet: nothing reaches the printer.

#include <QFont>
#include <QPrinter>
#include <QPrinterInfo>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plot/page_surface.h"

class QPainter;

namespace tavelor::qt {

// The sheet name as the base of a file name: path separators, wildcards, quotes and control
// characters become "_", leading and trailing blanks and dots go, at most 200 bytes of UTF-8.
// "sheet" when nothing is left.
QString pdfBaseName(const std::string& sheetName);

// Takes the first free name among "<base>.pdf", "<base> (2).pdf", "<base> (3).pdf" ... in folder
// by creating it empty (so no other writer can take it in between) and returns its path. Never
// touches an existing file. Throws plot::PageError when the folder cannot take a new file.
QString reservePdfPath(const QString& folder, const std::string& sheetName);

class QtPrinterPage final : public plot::PageSurface {
 public:
  // Prints on a print queue of the system (its name is the device name); the job is titled
  // after sheetName as it reads when the document ends. sheetName must outlive the page.
  static std::unique_ptr<QtPrinterPage> onQueue(const QPrinterInfo& queue,
                                                const std::string& sheetName,
                                                std::string decimalMark);
  // Writes the sheet as a PDF file at path, replacing it if it is a regular file; anything else
  // there is refused.
  static std::unique_ptr<QtPrinterPage> toPdfFile(const QString& path, std::string decimalMark);
  // Writes the sheet as a new PDF file in folder, named after sheetName as it reads when the
  // document ends (the print command fills it in after it has asked for the device name).
  // sheetName must outlive the page; pass the main form's sheet name.
  static std::unique_ptr<QtPrinterPage> toPdfFolder(const QString& folder,
                                                    const std::string& sheetName,
                                                    std::string decimalMark);

  ~QtPrinterPage() override;

  void setLandscape() override;
  void setCurrentX(double twips) override { x_ = twips; }
  void setCurrentY(double twips) override { y_ = twips; }
  void setFontName(const std::string& name) override;
  void setFontSize(int points) override;
  void setBold(bool on) override;
  void setUnderline(bool on) override;
  void setInkColour(plot::Rgb colour) override;
  void setLineStyle(plot::LineStyle style) override;
  void printText(const std::string& text, bool endsLine) override;
  void printNumber(double value, bool endsLine) override;
  void drawLine(float x1, float y1, float x2, float y2,
                std::optional<plot::Rgb> colour = std::nullopt) override;
  void endDocument() override;
  std::string deviceName() override;
  std::string pdfFolder() const override;
  void abortDocument() override;
  std::string deliveryNote() const override;

 private:
  enum class Target { Queue, PdfFile, PdfFolder };
  using Operation = std::function<void(QPainter&)>;

  QtPrinterPage(Target target, std::unique_ptr<QPrinter> printer, std::string decimalMark);
  // Puts the layout on the printer once, before any painting: the printer's paper (A4 when it
  // names none), landscape, no margins, positions from the paper's corner.
  void applyLayout();
  void checkOpen() const;
  double deviceUnitsPerTwip() const;
  QFont currentFont() const;

  Target target_;
  std::string decimalMark_;
  std::unique_ptr<QPrinter> printer_;
  QString pdfFolder_;
  QString pdfPath_;
  const std::string* sheetName_ = nullptr;
  bool pathReserved_ = false;  // pdfPath_ was created by this page and may be removed again
  bool laidOut_ = false;
  bool ended_ = false;
  bool delivered_ = false;  // the document reached the printer or the file whole

  double x_ = 0;
  double y_ = 0;
  QString fontName_ = QStringLiteral("Arial");
  int fontSize_ = 10;
  bool bold_ = false;
  bool underline_ = false;
  plot::Rgb ink_ = plot::kBlack;
  plot::LineStyle lineStyle_ = plot::LineStyle::Solid;

  std::vector<Operation> recording_;
};

// Where this system prints: the default print queue, else the first one there is; with no print
// queue at all (queue null), a new PDF file in pdfFolder: the user's documents folder, or the
// home folder when there is none.
struct PrintDestination {
  QPrinterInfo queue;
  QString pdfFolder;
  // The queue's name, or "PDF file in <folder>", for the printer question.
  std::string deviceName() const;
};
PrintDestination systemPrintDestination();

// The page for one sheet at systemPrintDestination(); a PDF file is named after sheetName (see
// QtPrinterPage::toPdfFolder).
std::unique_ptr<plot::PageSurface> openSystemPrinterPage(const std::string& sheetName,
                                                         std::string decimalMark);

}  // namespace tavelor::qt

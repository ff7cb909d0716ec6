// Times one printed sheet written as a PDF file through the real QPrinter page, on the offscreen
// platform: the print routine, the painting and the file on disk.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>
#include <chrono>
#include <memory>
#include <string>

#include "bench_wing.h"
#include "calc/calculate.h"
#include "plot/print_sheet.h"
#include "plot/print_window.h"
#include "qt/printer_page.h"
#include "support/fake_window.h"

namespace {

namespace calc = tavelor::calc;
namespace plot = tavelor::plot;

// The main window as the print routine sees it: the page is handed to imprime directly.
class SheetWindow : public tavelor::testing::FakeInputWindow, public plot::PrintWindow {
 public:
  void setBusyPointer(bool) override {}
  std::string promptText(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::unique_ptr<plot::PageSurface> openPage() override { return nullptr; }
  std::string shortDate() const override { return "06/12/2026"; }
};

class PdfSheet {
 public:
  PdfSheet() : language_(folder_.path(), faults_) {
    language_.setLanguage("English");
    tavelor::bench::typeFivePanelWing(window_);
    state_ = tavelor::bench::freshState();
    stands_ = calc::calculate(state_, window_, language_);
    state_.sheetName = "Five-panel wing";
  }

  // Prints one sheet; false when it did not reach the file whole.
  bool printOnce() {
    auto page = tavelor::qt::QtPrinterPage::toPdfFile(pdf_, window_.mark);
    plot::imprime(state_, window_, language_, *page);
    // Message 15 (with the file's path after it) says the sheet went out; 16 that it failed.
    const bool printed = !window_.messages.empty() && window_.messages.back().text.starts_with(
                                                          language_.text("Message", "15"));
    window_.messages.clear();
    return printed;
  }

  bool ready() const { return stands_ && pdfFolder_.isValid(); }
  qint64 pdfSize() const { return QFileInfo(pdf_).size(); }

 private:
  tavelor::bench::EnglishProgramFolder folder_;
  tavelor::testing::FakeInputWindow faults_;
  tavelor::i18n::Language language_;
  SheetWindow window_;
  calc::WingState state_;
  bool stands_ = false;
  QTemporaryDir pdfFolder_;
  QString pdf_ = pdfFolder_.filePath(QStringLiteral("sheet.pdf"));
};

// Every sheet printed into one PDF file; run once, it is the first sheet of a session, when the
// font database is still cold.
void BM_ImprimePdf(benchmark::State& run) {
  PdfSheet sheet;
  if (!sheet.ready()) {
    run.SkipWithError("the wing did not stand");
    return;
  }
  bool printed = true;
  for (auto _ : run) printed = sheet.printOnce() && printed;
  if (!printed || sheet.pdfSize() < 1000) run.SkipWithError("the sheet did not reach the PDF");
  run.counters["pdf_bytes"] = static_cast<double>(sheet.pdfSize());
}
BENCHMARK(BM_ImprimePdf)
    ->Name("BM_ImprimePdfFirstSheet")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImprimePdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  // No display is needed to print into a file; the program's own fonts and painter are used.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

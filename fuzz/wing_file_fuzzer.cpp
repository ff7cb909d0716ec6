// Opening any file as a wing data file, then what the main window does after a good open:
// calculate, draw the plan and print the sheet, all through the tests' fakes.
//
// Input: the file's bytes. Odd-sized inputs are read with the decimal comma, even ones with the
// point, so both kinds of field text reach the calculation.

#include <cstdint>
#include <fstream>
#include <string>

#include "calc/inputs.h"
#include "calc/wing_state.h"
#include "files/file_commands.h"
#include "fuzz_support.h"
#include "i18n/language.h"
#include "plot/plan_view.h"
#include "plot/print_sheet.h"
#include "support/fake_file_window.h"
#include "support/fake_print_window.h"

namespace {

using namespace tavelor;

const calc::ResultLabel kLabels[] = {calc::ResultLabel::Lbenv,      calc::ResultLabel::Lbsurf,
                                     calc::ResultLabel::Lballong,   calc::ResultLabel::Lbdist_x,
                                     calc::ResultLabel::Lbcmoy,     calc::ResultLabel::Lbdistcentr,
                                     calc::ResultLabel::LbafficheCA};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  testing::TempFolder& program = fuzz::programFolder();
  const std::string path = program.file("wing.txt");
  {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    FUZZ_CHECK(file.good());
  }

  testing::FakeFileWindow window;
  window.mark = size % 2 ? "," : ".";
  i18n::Language language(program.path(), window);
  calc::WingState state;
  state.areaUnit = calc::kAreaUnit;  // as start-up sets them
  state.lengthUnit = calc::kLengthUnit;
  calc::clearInputs(state, window, language);
  files::WingFileState files;

  window.openAnswers.push_back(path);
  const bool resultsStand = files::mnuopen_Click(files, state, window, language);
  FUZZ_CHECK(window.openRequests.size() == 1);
  for (const auto label : kLabels) {
    FUZZ_CHECK(!fuzz::showsNonFinite(window.resultCaption(label)));
  }
  if (!resultsStand) return 0;
  FUZZ_CHECK(state.resultsValid);

  fuzz::CheckedSurface plan;
  plot::drawPlan(state, plan);
  FUZZ_CHECK(plan.nonFiniteLines == 0);

  testing::FakePrintWindow printWindow;
  printWindow.mark = window.mark;
  printWindow.results = window.results;
  state.sheetName = "Fuzz";
  fuzz::CheckedPage page(printWindow.page);
  plot::imprime(state, printWindow, language, page);
  FUZZ_CHECK(page.nonFiniteLines == 0);
  FUZZ_CHECK(!printWindow.busy);
  for (const auto& entry : page.log()) {
    FUZZ_CHECK(!fuzz::showsNonFinite(entry));
  }
  return 0;
}

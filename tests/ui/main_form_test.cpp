// The main form's commands through one fake window: the figures as labels, the input checks,
// the wing data file, the print commands and the outline export. [Message] n reads "Mn".
#include "ui/main_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "rib/rib_record.h"
#include "support/failing_page.h"
#include "support/fake_window.h"
#include "support/file_size_limit.h"

namespace tavelor::ui {
namespace {

using Panels = std::vector<std::vector<std::string>>;
using Texts = std::vector<std::string>;
using enum base::Answer;

const Panels kTwoPanels{{"250", "200", "400", "0"}, {"", "100", "300", "50"}};
const char* const kTwoPanelFile =
    "Z2O-Please don't Delete ....\r\n250\r\n200\r\n400\r\n0\r\n200\r\n100\r\n300\r\n50\r\n100\r\n"
    "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n30\r\n1500\r\n";

class Form : public ::testing::Test, public testing::FormFixture {
 protected:
  void calculateTwoPanels() {
    form.clearInputs();
    window.typeWing(kTwoPanels, "30", "1500");
    ASSERT_TRUE(form.calculate());
    window.boxes.messages.clear();
  }
  // The texts of the boxes shown since the last call.
  Texts shown() {
    Texts texts;
    for (const auto& m : window.boxes.messages) texts.push_back(m.text);
    window.boxes.messages.clear();
    return texts;
  }
};

TEST_F(Form, WorkedWingsGiveEveryFigure) {
  const struct {
    Panels panels;
    const char *centring, *mass, *mark;
    Texts labels;
    base::Units units = base::Units::Metric;
  } cases[] = {
      {{{"250", "150", "600", "100"}},
       "25",
       "",
       ",",
       {"1 200,00 mm  ", " 24,00 dm\u00b2  ", " 6,00", " 275,00 mm  ", " 204,17 mm  ",
        " 96,88 mm  ", " 0,00 g/dm\u00b2", " 0,00 g/dm\u00b3"}},
      {kTwoPanels,
       "30",
       "1500",
       ".",
       {"1 400.00 mm  ", " 27.00 dm\u00b2  ", " 7.26", " 306.17 mm  ", " 202.47 mm  ",
        " 68.15 mm  ", " 55.56 g/dm\u00b2", " 10.69 g/dm\u00b3"}},
      // the same wing 1.016 times as long (an inch where it had 25 mm): 432 in², 16 oz on 3 ft²
      {{{"10", "8", "16", "0"}, {"", "4", "12", "2"}},
       "30",
       "16",
       ".",
       {" 56.00 in  ", " 432.00 in\u00b2  ", " 7.26", " 12.25 in  ", " 8.10 in  ", " 2.73 in  ",
        " 5.33 oz/ft\u00b2", " 3.08 oz/ft\u00b3"},
       base::Units::Imperial},
  };
  for (const auto& c : cases) {
    window.mark = c.mark;
    form.setUnits(c.units);
    window.typeWing(c.panels, c.centring, c.mass);
    ASSERT_TRUE(form.calculate());
    Texts labels;  // in the labels' order, Span first
    for (const auto& [label, text] : window.results) labels.push_back(text);
    EXPECT_EQ(labels, c.labels);
  }
  EXPECT_EQ(shown(), Texts{});
}

// A refused calculation shows the first fault only, naming a panel's field and putting the focus
// there, leaves every label as it was and no result standing.
TEST_F(Form, InputChecksShowTheFirstFaultOnly) {
  const std::vector<std::string> p1{"200", "150", "300", "20"}, p2{"", "100", "200", "40"};
  const std::string beyond(400, '9');
  using enum Field;
  const struct {
    Panels panels;
    std::string centring;
    const char* message;  // nullptr: results
    std::string mass = "1000";
    FieldRef focus = {RootChord, 0};
  } cases[] = {
      {{}, "30", "M1"},  // no root chord: message 1
      {{p1, {"", "100", "", "0"}}, "30", "panelLength 2", "1000", {PanelLength, 1}},
      {{p1, p2, {"", "", "80", "0"}}, "30", "panelTip 3", "1000", {TipChord, 2}},
      {{{"200", "0", "300", "0"}}, "30", "panelTipZero 1", "1000", {TipChord, 0}},
      {{{"", "150", "300", "0"}}, "30", "M1"},
      {{{"", "150", "300", "0"}}, "120", "M2", "1000", {Centring, 0}},  // the centring first
      {{p1}, "", "M2", "1000", {Centring, 0}},
      {{p1}, "100", "M2", "1000", {Centring, 0}},
      {{p1}, "99,9", nullptr},
      {{{" 200 ", "150", "300", "20 "}}, " 3O", "M2", "1000", {Centring, 0}},  // no number
      {{{" 200 ", "150", "300", "2O"}}, " 30 ", "panelNumber 1", "1000", {Sweep, 0}},
      {{p1, {"", "-", "", ""}}, "30", "panelNumber 2", "1000", {TipChord, 1}},
      {{{" 200 ", "150", "300", "-20 "}}, "30", nullptr},
      {{p1}, "30", "M17", "1500 g", {Mass, 0}},
      {{p1, p2}, "0,0", "M2", "1000", {Centring, 0}},  // nothing above 0: any zero, no number
      {{p1, {"", "", "", "999"}}, "30", nullptr},      // an unused panel's sweep is ignored
      {{p1, {"", "", "", ""}, p2}, "120", "panelTip 2", "1000", {TipChord, 1}},  // a gap
      {{{"200", "200", beyond, "0"}}, "30", "panelNumber 1", "1000", {PanelLength, 0}},
      {{{"200", "200", "300", "-100000,1"}}, "30", "M1"},  // beyond 100 m
      {{{"-150", "200", "300", "0"}}, "30", "M1"},         // read from a file, never typed
      {{{"100000", "100000", "100000", "-100000"}}, "30", nullptr},  // 100 m
      {{p1}, "30", "M17", beyond, {Mass, 0}},
      {{p1}, "30", "M17", "-1500", {Mass, 0}},
      // A mass that fits, over so small an area that the loading overflows.
      {{{"0.001", "0.001", "0.001", "0"}}, "30", "M17", std::string(300, '9'), {Mass, 0}},
  };
  form.fieldFocused(RootChord, 0);
  for (const auto& c : cases) {
    form.clearInputs();
    window.typeWing(c.panels, c.centring, c.mass);
    window.results[ResultLabel::Span] = "old";
    SCOPED_TRACE(c.centring + " " + std::to_string(c.panels.size()));
    EXPECT_EQ(form.calculate(), c.message == nullptr);
    EXPECT_EQ(form.results().has_value(), c.message == nullptr);
    if (!c.message) continue;
    EXPECT_EQ(window.boxes.messages.at(0).icon, base::Icon::Warning);
    EXPECT_EQ(shown(), Texts{c.message});
    EXPECT_EQ(window.results[ResultLabel::Span], "old");
    EXPECT_EQ(window.focus, std::pair(c.focus.field, c.focus.index));
  }
}

// After an edit the figures are stale until the next calculation; a command using them calculates
// first and goes on with the new figures, or shows the refusal alone.
TEST_F(Form, CommandsOnStaleFiguresCalculateFirst) {
  // Each goes on to its dialog or name prompt, answered with nothing here.
  for (const auto command : {&MainForm::saveWingAs, &MainForm::printSheet, &MainForm::printTemplate,
                             &MainForm::exportOutline, &MainForm::showStability}) {
    calculateTwoPanels();
    window.setFieldText(Field::Mass, 0, "2700");
    EXPECT_EQ(window.staleNote, "Stale");
    (form.*command)();
    EXPECT_EQ(shown(), Texts{});
    EXPECT_EQ(window.staleNote, "");
    EXPECT_DOUBLE_EQ(form.results()->wingLoading, 100);
    window.setFieldText(Field::PanelLength, 1, "");
    (form.*command)();
    EXPECT_EQ(shown(), Texts{"panelLength 2"});
    EXPECT_EQ(window.staleNote, "Stale");
  }
  form.clearInputs();
  EXPECT_EQ(window.staleNote, "");
}

// A save writes the whole wing or leaves the old file whole and says why; the outline export
// then offers the saved wing's folder and name; the stability window's texts go with the wing.
// In inches the file stays in millimetres: what was not edited is saved byte for byte, a field
// typed in inches as its exact millimetres, shown again as typed.
TEST_F(Form, ImperialFieldsKeepTheFileInMillimetres) {
  language.folder.write("delta.txt", kTwoPanelFile);
  form.setUnits(base::Units::Imperial);
  EXPECT_EQ(language.folder.read("tv.ini"), "[Langue]\r\n1=English\r\nUnits=Imperial\r\n");
  form.openWingFile(language.folder.file("delta.txt"));
  EXPECT_EQ(window.fieldText(Field::RootChord, 0), "9.8425");
  form.saveWingFile();
  EXPECT_EQ(language.folder.read("delta.txt"), kTwoPanelFile);
  window.setFieldText(Field::Sweep, 1, "2.0001");
  form.saveWingFile();
  std::string edited = kTwoPanelFile;
  edited.replace(edited.find("\n50\r"), 4, "\n50.80254\r");
  EXPECT_EQ(language.folder.read("delta.txt"), edited);
  form.openWingFile(language.folder.file("delta.txt"));
  EXPECT_EQ(window.fieldText(Field::Sweep, 1), "2.0001");
  form.setUnits(base::Units::Metric);
  EXPECT_EQ(window.fieldText(Field::Sweep, 1), "50.80254");
  // Stale figures follow the units too, after a refused calculation as well.
  window.setFieldText(Field::Mass, 0, "x");
  EXPECT_FALSE(form.calculate());
  form.setUnits(base::Units::Imperial);
  EXPECT_EQ(window.results[ResultLabel::Span], " 55.12 in  ");
}

TEST_F(Form, SaveWritesTheWholeWingOrNothing) {
  calculateTwoPanels();
  language.folder.write("delta.txt", "old bytes");
  window.chosenFile = language.folder.file("delta.txt");
  {
    testing::FileSizeLimit diskFull(4);
    form.saveWingAs();
  }
  EXPECT_EQ(language.folder.read("delta.txt"), "old bytes");
  const Texts fault = shown();
  ASSERT_EQ(fault.size(), 1u);
  EXPECT_TRUE(fault[0].starts_with("M8 # 27 M9 Tavelor\r")) << fault[0];
  window.chosenFile = language.folder.file("delta.txt");
  form.saveWingAs();
  EXPECT_EQ(language.folder.read("delta.txt"), kTwoPanelFile);
  EXPECT_EQ(window.title, "Tavelor - M5 : delta.txt");
  EXPECT_EQ(shown(), Texts{});  // no box: the status line says it
  EXPECT_EQ(window.status, "M6" + language.folder.file("delta.txt"));
  // Save, and Yes to the question on quitting: to the same file, with no dialog.
  window.boxes.answer = Yes;
  for (const auto& [mass, command] :
       {std::pair{"1600", &MainForm::saveWingFile}, std::pair{"1700", &MainForm::quit}}) {
    window.setFieldText(Field::Mass, 0, mass);
    (form.*command)();
    EXPECT_NE(language.folder.read("delta.txt").find(mass), std::string::npos) << mass;
  }
  shown();
  window.chosenFile = language.folder.file("cut.SVG");
  form.exportOutline();
  EXPECT_EQ(window.saveRequest.initialFolder, language.folder.path());
  EXPECT_EQ(window.saveRequest.proposedName, "delta");
  EXPECT_NE(language.folder.read("cut.SVG").find("<title>delta</title>"), std::string::npos);
  EXPECT_EQ(window.status, "saved " + language.folder.file("cut.SVG"));
  window.tailTyped = {"130", "90", "220", "15", "90", "", "", "", "620", "0,9", "10"};
  form.showStability();
  window.chosenFile = language.folder.file("tail.txt");
  form.saveWingAs();
  // The ribs' record is kept as it came, whatever the window does with the wing.
  language.folder.write("tail.txt", language.folder.read("tail.txt") + "Z2O-Ribs ....\r\n60\r\n");
  for (const char* name : {"delta.txt", "tail.txt"}) {
    form.openWingFile(language.folder.file(name));
    EXPECT_EQ(form.stabilityTexts(), name[0] == 't' ? *window.tailTyped : files::TailTexts{});
  }
  window.chosenFile = language.folder.file("again.txt");  // opened and saved: byte for byte
  form.saveWingAs();
  EXPECT_EQ(language.folder.read("again.txt"), language.folder.read("tail.txt"));
}

// File lists the last five wings opened or saved, newest first, kept in tv.ini for the next
// start; one no longer there is refused and leaves the list.
TEST_F(Form, RecentFilesAreTheLastFive) {
  calculateTwoPanels();
  const auto path = [this](char name) { return language.folder.file(std::string(1, name)); };
  for (const char name : std::string("abcdefb")) {
    window.chosenFile = path(name);
    form.saveWingAs();
  }
  EXPECT_EQ(window.recent, (Texts{path('b'), path('f'), path('e'), path('d'), path('c')}));
  window.recent.clear();
  form.startUp();
  std::filesystem::remove(path('e'));
  form.openRecentFile(path('e'));
  EXPECT_EQ(shown(), Texts{"missingFile\r\n" + path('e')});
  EXPECT_EQ(window.recent, (Texts{path('b'), path('f'), path('d'), path('c')}));
}

// The stability window's form: the warning naming the first unusable text (read by the one
// number rule), the figures as the window shows them, the CG handed back to the main window, whose
// margin is then the wanted one; with nothing typed, its defaults give a flying wing's figures.
TEST_F(Form, StabilityWindowComputesAndHandsTheCgBack) {
  window.mark = ",";
  window.useStabilityCg = true;
  const files::TailTexts tail{"130", "90", "220", "15", "", "", "", "", "620", "0,9", "10", ""};
  const std::tuple<std::size_t, const char*, const char*> cases[] = {
      {5, "90", "warnPanel2"},    {0, "", "warnPanel1"},
      {3, "-", "warnPanel1"},     {8, "620 mm", "warnArm"},
      {9, "2", "warnEfficiency"}, {11, "+40", "warnHeight"},
      {10, "", "warnMargin"},     {11, " ", ""}};  // the last computes
  for (const auto& [field, text, warning] : cases) {
    calculateTwoPanels();
    window.tailTyped = tail;
    (*window.tailTyped)[field] = text;
    form.showStability();
    EXPECT_EQ(window.stabilityWarning.value_or(""), warning);
  }
  const auto figures = [this] {
    return Texts(window.stabilityFigures.begin() + 4, window.stabilityFigures.end());
  };
  EXPECT_EQ(figures(), (Texts{"4,95", "42,41", "93,28", "24,12", "32,41", "73,03", "10,00"}));
  EXPECT_EQ(window.fieldText(Field::Centring, 0), "32,41");
  window.tailTyped.reset();
  calculateTwoPanels();
  form.showStability();
  EXPECT_EQ(window.stabilityFigures[2], "");  // no tail volume
  EXPECT_EQ(figures(), (Texts{"4,64", "24,13", "56,26", "24,13", "14,13", "36,02", "10,00"}));
  EXPECT_EQ(form.stabilityTexts()[9], "0,9");
  // Typed in inches, the lengths are kept as their millimetres exactly, and the figures' lengths
  // are those of the same millimetres typed in Metric, in inches (92.74 mm = 3.65 in).
  const files::TailTexts inches{"5", "3,5", "8,5", "0,5", "", "", "", "", "24", "0,9", "10", "-1"};
  const files::TailTexts mm{"127", "88.9", "215.9", "12.7", "",   "",
                            "",    "",     "609.6", "0,9",  "10", "-25.4"};
  const std::tuple<base::Units, files::TailTexts, Texts> runs[] = {
      {base::Units::Imperial, inches, {"4,96", "42,14", "3,65", "24,12", "32,14", "2,85", "10,00"}},
      {base::Units::Metric, mm, {"4,96", "42,14", "92,74", "24,12", "32,14", "72,49", "10,00"}}};
  for (const auto& [units, typed, shown] : runs) {
    form.setUnits(base::Units::Metric);
    calculateTwoPanels();
    form.setUnits(units);
    window.tailTyped = typed;
    form.showStability();
    EXPECT_EQ(form.stabilityTexts(), mm);
    EXPECT_EQ(figures(), shown);
  }
}

// What a damaged or foreign file gives: the lines read before the fault stay, then the error;
// a file that cannot be read at all leaves what was typed.
TEST_F(Form, OpenReportsWhatCannotBeRead) {
  const std::string wing = kTwoPanelFile, error = "M8 # ";
  const struct {
    std::string bytes;    // empty: the path is a folder
    std::string message;  // empty: opens and computes
    std::string mass;     // "77" was typed before
  } cases[] = {
      {"x\n250\n200\n400\n0\n" + std::string(16, '\n') + "30\n1500\n", "", ""},  // no mark
      {wing + "\r\n  \r\n\t\n", "", "1500"},
      {"\xEF\xBB\xBF" + wing, "", "1500"},
      {"Z2O\r\n250\r\n200\r\n", error + "62 M9 Tavelor\rInput past end of file", ""},
      {std::string(64 * 1024 + 1, ' '),
       error + "27 M9 Tavelor\rThe file is too large to be a wing data file", "77"},
      {"", error + "21 M9 Tavelor\rIs a directory", "77"},
  };
  for (const auto& c : cases) {
    window.setFieldText(Field::Mass, 0, "77");
    language.folder.write("w.txt", c.bytes);
    form.openWingFile(language.folder.file(c.bytes.empty() ? "" : "w.txt"));
    EXPECT_EQ(window.fieldText(Field::Mass, 0), c.mass);
    EXPECT_EQ(shown(), c.message.empty() ? Texts{} : Texts{c.message});
    EXPECT_EQ(form.results().has_value(), c.message.empty());
  }
}

// Quit, like Open and the window's close control, first offers to save what was typed. Cancel
// and No are answered in the real window by the end-to-end run.
TEST_F(Form, ChangedInputsAreOfferedForSavingFirst) {
  const struct {
    Panels panels;
    base::Answer answer;
    bool ended, saved;
  } cases[] = {
      {{}, Cancel, true, false},                   // nothing typed since the clear: no question
      {kTwoPanels, Yes, true, true},               // calculated, then saved
      {{{"250", "", "", ""}}, Yes, false, false},  // cannot be calculated
  };
  for (const auto& c : cases) {
    form.clearInputs();
    window.ended = false;
    std::filesystem::remove(language.folder.file("q.txt"));
    window.typeWing(c.panels, "30", c.panels.empty() ? "" : "1500");
    window.boxes.answer = c.answer;
    window.chosenFile = language.folder.file("q.txt");
    form.quit();
    EXPECT_EQ(window.ended, c.ended);
    EXPECT_EQ(std::filesystem::exists(language.folder.file("q.txt")), c.saved);
    const Texts texts = shown();
    EXPECT_EQ(!texts.empty() && texts[0] == "M18", !c.panels.empty());
  }
}

// A template job whose printing fails.
struct FailingTemplateJob : TemplateJob {
  std::string deviceName() const override { return "Queue"; }
  std::string print(const plot::TemplateDrawing&, const plot::TemplateTexts&,
                    const std::string&) override {
    throw plot::PageError("fault");
  }
};

// A template job that keeps what it was given to print.
struct KeepingTemplateJob : TemplateJob {
  explicit KeepingTemplateJob(std::vector<plot::TemplateTexts>& kept) : kept(kept) {}
  std::string deviceName() const override { return "Queue"; }
  std::string print(const plot::TemplateDrawing& drawing, const plot::TemplateTexts& texts,
                    const std::string& name) override {
    kept.push_back(texts);
    kept.back().sheetName = name + " " + std::to_string(drawing.drawing.lines.size());
    return {};
  }
  std::vector<plot::TemplateTexts>& kept;
};

// The ribs window: the record's settings (the defaults without one) in the fields, lengths in
// the chosen units; a field that does not read is named and focused and the window stays; OK
// keeps what reads as the wing's record, Cancel nothing; an airfoil typed as a NACA code or read
// from a file; Export and Print on what the fields give.
TEST_F(Form, RibsWindowSetsTheWingsRibs) {
  calculateTwoPanels();
  const std::string airfoil = language.folder.file("thin.dat");
  std::ofstream(airfoil) << "Thin\n1 0\n.8 .03\n.6 .05\n.3 .05\n.1 .03\n0 0\n.1 -.02\n.3 -.03\n"
                            ".6 -.03\n.8 -.02\n1 0\n";
  std::ofstream(language.folder.file("bad.dat")) << "Bad\n1 0\nx\n";
  std::vector<plot::TemplateTexts> printed;
  using F = RibField;
  using enum rib::SparSide;
  // Types the texts, then presses OK (ok) or closes the window (Cancel).
  const auto type = [](std::vector<std::pair<F, const char*>> texts, bool ok = true) {
    return [texts, ok](RibForm& f) {
      for (const auto& [field, text] : texts) f.edit(field, text);
      if (ok) {
        EXPECT_TRUE(f.accept());
      }
    };
  };
  const auto refused = [&](std::vector<std::pair<F, const char*>> texts, F focus) {
    return [=](RibForm& f) {
      type(texts, false)(f);
      EXPECT_FALSE(f.accept());
      EXPECT_EQ(f.focusField(), focus);
    };
  };
  const auto file = [&](const std::string& path, bool ok) {
    return [=, this](RibForm& f) {
      window.chosenFile = path;
      f.chooseAirfoil(1);
      if (ok) {
        EXPECT_TRUE(f.accept());
      }
    };
  };
  const struct {
    const char* why;
    std::function<void(RibForm&)> user;
    const char* shown;   // the box, or the status line's first word
    double spacing;      // of the record after, 0 for none
    const char* tip;     // its tip airfoil
    rib::SparSide side;  // of its first spar, else Top
  } cases[] = {
      {"cancel, no record", type({{F::Spacing, "45"}}, false), "", 0, "", Top},
      {"defaults", type({}), "", 60, "NACA 2412", Top},
      {"refused", refused({{F::Spacing, "4,5,"}}, F::Spacing), "Spacing: 1-10000", 60, "NACA 2412",
       Top},
      {"NACA and a spar",
       [&](RibForm& f) {
         f.setSparSide(0, Both);
         type({{F::Spacing, " 45 "},
               {F::TipAirfoil, "naca0009"},
               {F::Spar1At, "30"},
               {F::Spar1Width, "6"},
               {F::Spar1Depth, "3"}})(f);
       },
       "", 45, "NACA 0009", Both},
      {"cancel keeps the record", type({{F::Spacing, "80"}}, false), "", 45, "NACA 0009", Both},
      {"a bad file", file(language.folder.file("bad.dat"), false), "bad.dat@3", 45, "NACA 0009",
       Both},
      {"a file", file(airfoil, true), "", 45, "Thin", Both},
      {"a name typed over it", refused({{F::TipAirfoil, "Thin "}}, F::TipAirfoil), "Tip?", 45,
       "Thin", Both},
      {"exported",
       [&](RibForm& f) {
         window.chosenFile = language.folder.file("r.svg");
         f.exportRibs();
       },
       "saved", 45, "Thin", Both},
      {"printed",
       [&](RibForm& f) {
         window.prompt = "W";
         window.templateJob = std::make_unique<KeepingTemplateJob>(printed);
         f.printRibs();
       },
       "ribsPrinted", 45, "Thin", Both},
  };
  for (const auto& c : cases) {
    window.ribsUser = c.user;
    window.status.clear();
    form.showRibs();
    const Texts boxes = shown();
    EXPECT_EQ(!window.status.empty() || boxes.empty()
                  ? window.status.substr(0, window.status.find(' '))
                  : boxes[0],
              c.shown)
        << c.why;
    const auto record = rib::ribSettingsOf(form.ribRecord());
    EXPECT_EQ(record ? record->spacing : 0, c.spacing) << c.why;
    EXPECT_EQ(record ? record->tip.name : "", c.tip) << c.why;
    EXPECT_EQ(record && !record->spars.empty() ? record->spars[0].side : Top, c.side) << c.why;
  }
  EXPECT_EQ(std::ifstream(language.folder.file("r.svg")).get(), '<');
  ASSERT_EQ(printed.size(), 1u);
  EXPECT_EQ(printed[0].figures, "17 ribs, 2 sheets of 100 x 1000 mm");
  EXPECT_EQ(printed[0].sheetName, "W - ribs 19");  // the ribs and the sheets
  // The record's settings in inches: 45 mm as 1.7717 in; kept exactly unless edited.
  form.setUnits(base::Units::Imperial);
  window.ribsUser = [](RibForm& f) {
    EXPECT_EQ(f.shownText(F::Spacing), "1.7717");
    EXPECT_EQ(f.shownText(F::Spar1At), "30");
    f.edit(F::Spar1Width, "0.25");
    EXPECT_TRUE(f.accept());
  };
  form.showRibs();
  EXPECT_EQ(rib::ribSettingsOf(form.ribRecord())->spacing, 45);
  EXPECT_DOUBLE_EQ(rib::ribSettingsOf(form.ribRecord())->spars[0].width, 6.35);
  // Once saved, only ribs changed by OK are offered for saving first.
  window.chosenFile = language.folder.file("ribbed.txt");
  form.saveWingAs();
  window.boxes.answer = Cancel;
  for (const bool ok : {false, true}) {
    window.ribsUser = type({{F::Spacing, "2"}}, ok);
    form.showRibs();
    window.ended = false;
    form.quit();
    EXPECT_EQ(window.ended, !ok);
    EXPECT_EQ(shown(), ok ? Texts{"M18"} : Texts{});
  }
}

// Cancel prints nothing; a fault shows [Message] 16 alone and drops what was started.
TEST_F(Form, PrintFaultsShowOneMessageAndPrintNothing) {
  calculateTwoPanels();
  testing::PageCounts counts;
  window.boxes.answer = Cancel;
  window.prompt = "Delta";  // the name first: it names the PDF file the question shows
  window.page = std::make_unique<testing::FailingPage>(counts);
  form.printSheet();
  EXPECT_EQ(shown(), Texts{"noPrinter /docs/Delta.pdf?"});
  EXPECT_EQ(window.pdfFolder, window.documents);  // until a file was opened or saved
  EXPECT_EQ(counts.steps, 0u);
  for (unsigned failAt = 0;; ++failAt) {
    counts.steps = 0;
    window.page = std::make_unique<testing::FailingPage>(counts, failAt);
    form.printSheet();
    EXPECT_EQ(window.busyDepth, 0);
    const Texts texts = shown();  // the printer question, then a fault or nothing
    EXPECT_EQ(texts[0], "noPrinter /docs/Delta.pdf?");
    if (texts.size() == 1) {
      EXPECT_EQ(window.status, "saved /tmp/My wing.pdf");
      EXPECT_EQ(counts.aborts, failAt);
      break;
    }
    EXPECT_EQ(counts.aborts, failAt + 1);
  }
  EXPECT_GT(counts.steps, 5u);
  EXPECT_EQ(form.sheetName(), "Delta");
  // The template without a printer, without a name (Cancel in the prompt: no question), and
  // failing.
  form.printTemplate();
  for (const char* name : {"", "W"}) {
    window.prompt = name;
    window.templateJob = std::make_unique<FailingTemplateJob>();
    form.printTemplate();
  }
  EXPECT_EQ(shown(), (Texts{"M16", "M11 Queue ?", "M16"}));
  EXPECT_EQ(window.busyDepth, 0);
}

// One fault box per unreadable file and command, however many texts the command looks up.
TEST(FormFaults, AFileThatCannotBeReadIsReportedOncePerCommand) {
  // The file made a folder; the boxes after a refused calculation (one at start-up).
  const std::pair<const char*, std::size_t> cases[] = {{"English.lng", 3}, {"tv.ini", 2}};
  for (const auto& [file, boxesAfterCalculate] : cases) {
    SCOPED_TRACE(file);
    testing::FormFixture f;
    std::filesystem::remove(f.language.folder.file(file));
    std::filesystem::create_directory(f.language.folder.file(file));
    f.window.chooserPick = "English";
    f.window.boxes.messages.clear();
    f.form.startUp();
    EXPECT_EQ(f.window.boxes.messages.size(), 1u);
    f.form.calculate();  // nothing typed: the warning, after one box for the language file
    EXPECT_EQ(f.window.boxes.messages.size(), boxesAfterCalculate);
  }
}

TEST(FormStart, WithoutAnyLanguageFileTheProgramEnds) {
  testing::TempFolder empty;
  testing::FakeWindow window;
  MainForm form(window, empty.path());
  EXPECT_FALSE(form.startUp());
  EXPECT_TRUE(window.ended);
  EXPECT_EQ(window.boxes.messages.at(0).text, noLanguageFileText(empty.path()));
}

// A save with several filters: a name ending in none of their extensions gets the chosen one's.
TEST(FileDialog, ANameWithoutAFiltersExtensionGetsTheChosenOne) {
  const struct {
    const char* filters;
    const char* path;
    const char* expected;  // nullptr: kept as it is
  } cases[] = {{"DXF (*.dxf);;SVG (*.svg)", "/w/wing.v2", "/w/wing.v2.svg"},
               {"DXF (*.dxf);;SVG (*.svg)", "/w/wing.DXF", nullptr},
               {"DXF (*.dxf);;SVG (*.svg)", "/w.dxf/wing", "/w.dxf/wing.svg"},
               {"Wings (*.txt)", "/w/wing.v2", nullptr}};
  for (const auto& c : cases) {
    FileDialogRequest request;
    request.filterText = c.filters;
    const auto got = withChosenExtension(request, c.path, "SVG (*.svg)");
    EXPECT_EQ(got.value_or("kept"), c.expected ? c.expected : "kept") << c.path;
  }
}

}  // namespace
}  // namespace tavelor::ui

// The main form's commands through one fake window: the figures as labels, the input checks,
// the wing data file, the print commands and the outline export.
#include "ui/main_form.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/fake_window.h"
#include "support/file_size_limit.h"
#include "ui/stability_inputs.h"

namespace tavelor::ui {
namespace {

using testing::FakeWindow;
using Panels = std::vector<std::vector<std::string>>;

const testing::IniSections kTexts{{"Message",
                                   {{"1", "Bad panels"},
                                    {"2", "Bad centring"},
                                    {"3", "Calculate first"},
                                    {"4", "Save"},
                                    {"5", "Wing data"},
                                    {"6", "Saved as:"},
                                    {"7", "Open"},
                                    {"8", "Error"},
                                    {"9", "in"},
                                    {"10", "Nothing to print"},
                                    {"11", "Print on"},
                                    {"12", "Name?"},
                                    {"13", "Name"},
                                    {"14", "My wing"},
                                    {"15", "Printed"},
                                    {"16", "Printer fault"},
                                    {"17", "Bad mass"},
                                    {"18", "Save first?"},
                                    {"19", "Template printed"},
                                    {"20", "Nothing to export"}}},
                                  {"Label", {{"0", "Tavelor"}}},
                                  {"Print", {{"4", "PDF in"}}},
                                  {"Stability", {{"refused", "Wing first"}}}};

const Panels kTwoPanels{{"250", "200", "400", "0"}, {"", "100", "300", "50"}};

class Form : public ::testing::Test, public testing::FormFixture {
 protected:
  Form() : FormFixture(kTexts) {}
  std::vector<std::string> labels() {
    std::vector<std::string> out;
    for (auto label :
         {ResultLabel::Span, ResultLabel::Area, ResultLabel::AspectRatio, ResultLabel::MacStation,
          ResultLabel::MacLength, ResultLabel::Centring, ResultLabel::WingLoading}) {
      out.push_back(window.results[label]);
    }
    return out;
  }
};

TEST_F(Form, WorkedWingsGiveEveryFigure) {
  struct Case {
    Panels panels;
    const char *centring, *mass, *mark;
    std::vector<std::string> labels;
  } cases[] = {
      {{{"200", "200", "500", "0"}},
       "30",
       "1000",
       ".",
       {"1 000.00 mm  ", " 20.00 dm\u00b2  ", " 5.00", " 250.00 mm  ", " 200.00 mm  ",
        " 60.00 mm  ", " 50.00 g/dm\u00b2"}},
      {{{"250", "150", "600", "100"}},
       "25",
       "",
       ",",
       {"1 200,00 mm  ", " 24,00 dm\u00b2  ", " 6,00", " 275,00 mm  ", " 204,17 mm  ",
        " 96,88 mm  ", " 0,00 g/dm\u00b2"}},
      {kTwoPanels,
       "30",
       "1500",
       ".",
       {"1 400.00 mm  ", " 27.00 dm\u00b2  ", " 7.26", " 306.17 mm  ", " 202.47 mm  ",
        " 68.15 mm  ", " 55.56 g/dm\u00b2"}},
  };
  for (const Case& c : cases) {
    form.clearInputs();
    window.mark = c.mark;
    window.typeWing(c.panels, c.centring, c.mass);
    ASSERT_TRUE(form.calculate());
    EXPECT_EQ(labels(), c.labels);
    EXPECT_GT(window.planLines, 0);
  }
  EXPECT_TRUE(window.messages().empty());
}

// A refused calculation shows the first fault only, leaves every label as it was and no
// result standing.
TEST_F(Form, InputChecksShowTheFirstFaultOnly) {
  const std::vector<std::string> p1{"200", "150", "300", "20"}, p2{"", "100", "200", "40"};
  const std::string huge = "1" + std::string(200, '0'), beyond(400, '9');
  struct Case {
    Panels panels;
    std::string centring;
    const char* message;  // nullptr: results
    std::string mass = "1000";
  } cases[] = {
      {{}, "30", "Bad panels"},
      {{{"200", "", "300", "0"}}, "30", "Bad panels"},
      {{p1, {"", "100", "", "0"}}, "30", "Bad panels"},
      {{{"", "150", "300", "0"}}, "30", "Bad panels"},
      {{{"", "150", "300", "0"}}, "120", "Bad centring"},  // the centring is checked first
      {{p1}, "", "Bad centring"},
      {{p1}, "0", "Bad centring"},
      {{p1}, "100", "Bad centring"},
      {{p1}, "99,9", nullptr},
      {{p1, p2}, "0,0", nullptr},
      {{p1, {"", "", "", "999"}}, "30", nullptr},  // an unused panel's sweep is ignored
      {{p1, {"", "", "", ""}, {"", "100", "200", "40"}}, "120", "Bad panels"},  // a gap
      {{{"100", "100", "100", "0"}, {"", "-300", "100", "0"}}, "30", "Bad panels"},
      {{{"200", "200", beyond, "0"}}, "30", "Bad panels"},
      {{{huge, huge, huge, "0"}}, "30", "Bad panels"},
      {{p1}, "30", "Bad mass", beyond},
  };
  for (const Case& c : cases) {
    form.clearInputs();
    window.typeWing(c.panels, c.centring, c.mass);
    window.results[ResultLabel::Span] = "old";
    window.boxes.messages.clear();
    SCOPED_TRACE(c.centring + " " + std::to_string(c.panels.size()));
    EXPECT_EQ(form.calculate(), c.message == nullptr);
    EXPECT_EQ(form.results().has_value(), c.message == nullptr);
    if (!c.message) continue;
    ASSERT_EQ(window.messages().size(), 1u);
    EXPECT_EQ(window.messages()[0].text, c.message);
    EXPECT_EQ(window.messages()[0].icon, base::Icon::Warning);
    EXPECT_EQ(window.results[ResultLabel::Span], "old");
  }
}

const char* const kTwoPanelFile =
    "Z2O-Please don't Delete ....\r\n250\r\n200\r\n400\r\n0\r\n200\r\n100\r\n300\r\n50\r\n100\r\n"
    "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n30\r\n1500\r\n";

TEST_F(Form, SavedWingOpensBackByteForByte) {
  window.typeWing(kTwoPanels, "30", "1500");
  window.chosenFile = language.folder.file("delta.txt");
  form.saveWingAs();
  EXPECT_EQ(window.messages().at(0).text, "Calculate first");

  ASSERT_TRUE(form.calculate());
  window.chosenFile = language.folder.file("delta.txt");
  form.saveWingAs();
  EXPECT_EQ(language.folder.read("delta.txt"), kTwoPanelFile);
  EXPECT_EQ(window.title, "Tavelor - Wing data : delta.txt");

  form.clearInputs();
  window.title.clear();
  window.chosenFile = language.folder.file("delta.txt");
  form.openWingFile();
  EXPECT_EQ(window.fieldText(Field::RootChord, 1), "200");
  EXPECT_EQ(window.results[ResultLabel::Span], "1 400.00 mm  ");
  EXPECT_EQ(window.title, "Tavelor - Wing data : delta.txt");
}

// The stability window: refused without figures; its texts stay with the form, go into the
// wing's file and come back with it; its CG becomes the wing's centring, calculated. A report of
// the file adds the worked example's figures, at that centring.
TEST_F(Form, StabilityTextsLiveWithTheWingAndItsCentringIsCalculated) {
  form.showStability();
  EXPECT_EQ(window.messages().at(0).text, "Wing first");
  const files::TailTexts typed{"130", "90", "220", "15", "90", "", "", "", "620", "0,9", "10"};
  window.inStability = [&](files::TailTexts& texts, const StabilityHooks& hooks) {
    texts = typed;
    hooks.useCentring("37.97");
  };
  window.typeWing(kTwoPanels, "30", "1500");
  ASSERT_TRUE(form.calculate());
  form.showStability();
  EXPECT_EQ(window.fieldText(Field::Centring, 0), "37.97");
  EXPECT_EQ(window.results[ResultLabel::Centring], " 84.28 mm  ");
  window.chosenFile = language.folder.file("tail.txt");
  form.saveWingAs();
  const auto report = [&](const std::string& bytes) {
    return stabilityReportPairs(*form.results(), files::readWingFileLines(bytes).tail, ".");
  };
  const std::vector<std::pair<std::string, double>> expected{
      {"tail_volume", 0.5284},       {"neutral_point_percent", 47.970},
      {"neutral_point_mm", 104.531}, {"cg_for_margin_percent", 37.970},
      {"cg_for_margin_mm", 84.284},  {"static_margin_percent", 10}};
  const auto pairs = report(language.folder.read("tail.txt"));
  ASSERT_EQ(pairs.size(), expected.size());
  for (std::size_t i = 0; i < pairs.size(); ++i) {
    EXPECT_EQ(pairs[i].first, expected[i].first);
    EXPECT_NEAR(pairs[i].second, expected[i].second, 5e-4) << pairs[i].first;
  }
  EXPECT_TRUE(report(kTwoPanelFile).empty());
  language.folder.write("wing.txt", kTwoPanelFile);
  for (const char* name : {"tail.txt", "wing.txt", "tail.txt"}) {
    window.chosenFile = language.folder.file(name);
    form.openWingFile();
    EXPECT_EQ(form.stabilityTexts(), name[0] == 't' ? typed : files::TailTexts{});
  }
  EXPECT_EQ(window.messages().size(), 2u);  // the refusal and the save's
}

// What a damaged or foreign file gives: the lines read before the fault stay, then the error;
// a file that cannot be read at all leaves what was typed.
TEST_F(Form, OpenReportsWhatCannotBeRead) {
  const std::string wing = kTwoPanelFile, pastEnd = "Error # 62 in Tavelor\rInput past end of file";
  struct Case {
    std::string bytes;    // empty: the path is a folder
    std::string message;  // empty: opens and computes
    std::string mass;     // "77" was typed before
  } cases[] = {
      {wing, "", "1500"},
      {"x\n250\n200\n400\n0\n" + std::string(16, '\n') + "30\n1500\n", "", ""},  // no mark
      {wing + "\r\n  \r\n\t\n", "", "1500"},
      {"\xEF\xBB\xBF" + wing, "", "1500"},
      {"Z2O\r\n250\r\n200\r\n", pastEnd, ""},
      {std::string(64 * 1024 + 1, ' '),
       "Error # 27 in Tavelor\rThe file is too large to be a wing data file", "77"},
      {"", "Error # 21 in Tavelor\rIs a directory", "77"},
  };
  for (const Case& c : cases) {
    window.setFieldText(Field::Mass, 0, "77");
    window.boxes.messages.clear();
    language.folder.write("w.txt", c.bytes);
    window.chosenFile = language.folder.file(c.bytes.empty() ? "" : "w.txt");
    window.boxes.answers = {base::Answer::No};  // drops the typed mass
    form.openWingFile();
    EXPECT_EQ(window.fieldText(Field::Mass, 0), c.mass);
    ASSERT_EQ(window.messages().size(), c.message.empty() ? 1u : 2u);
    if (c.message.empty()) {
      EXPECT_EQ(window.fieldText(Field::RootChord, 0), "250");
    } else {
      EXPECT_EQ(window.messages()[1].text, c.message);
    }
  }
}

// Quit, like Open and the window's close control, first offers to save what was typed.
TEST_F(Form, ChangedInputsAreOfferedForSavingFirst) {
  using enum base::Answer;
  const struct {
    Panels panels;
    bool calculated;
    base::Answer answer;
    bool ended, saved;
  } cases[] = {
      {{}, false, Cancel, true, false},  // nothing typed since the clear: no question
      {kTwoPanels, true, Cancel, false, false},
      {kTwoPanels, true, No, true, false},
      {kTwoPanels, false, Yes, true, true},               // calculated, then saved
      {{{"250", "", "", ""}}, false, Yes, false, false},  // cannot be calculated
  };
  for (const auto& c : cases) {
    form.clearInputs();
    window.ended = false;
    std::filesystem::remove(language.folder.file("q.txt"));
    window.typeWing(c.panels, "30", c.panels.empty() ? "" : "1500");
    if (c.calculated) form.calculate();
    window.boxes.messages.clear();
    window.boxes.answers = {c.answer};
    window.chosenFile = language.folder.file("q.txt");
    form.quit();
    EXPECT_EQ(window.ended, c.ended);
    EXPECT_EQ(std::filesystem::exists(language.folder.file("q.txt")), c.saved);
    EXPECT_EQ(!window.messages().empty() && window.messages()[0].text == "Save first?",
              !c.panels.empty());
  }
}

// A failed save leaves the old file whole and says why.
TEST_F(Form, FailedSaveKeepsTheOldFile) {
  window.typeWing(kTwoPanels, "30", "1500");
  ASSERT_TRUE(form.calculate());
  language.folder.write("old.txt", "old bytes");
  {
    testing::FileSizeLimit limit(4);
    window.chosenFile = language.folder.file("old.txt");
    form.saveWingAs();
  }
  EXPECT_EQ(language.folder.read("old.txt"), "old bytes");
  ASSERT_EQ(window.messages().size(), 1u);
  EXPECT_EQ(window.messages()[0].text.rfind("Error # 27 in Tavelor\r", 0), 0u);
}

// A page that fails at one chosen operation.
class FailingPage : public plot::PageSurface {
 public:
  FailingPage(int failAt, int* aborts, int* steps)
      : failAt_(failAt), aborts_(aborts), steps_(steps) {}
  void setLandscape() override { step(); }
  void setCurrentX(double) override { step(); }
  void setCurrentY(double) override { step(); }
  void setFontName(const std::string&) override { step(); }
  void setFontSize(int) override { step(); }
  void setBold(bool) override { step(); }
  void setUnderline(bool) override { step(); }
  void setInkColour(plot::Rgb) override { step(); }
  void setLineStyle(plot::LineStyle) override { step(); }
  void printText(const std::string&, bool) override { step(); }
  void printNumber(double, bool) override { step(); }
  void drawLine(float, float, float, float, std::optional<plot::Rgb>) override { step(); }
  void endDocument() override { step(); }
  std::string deviceName() override { return "Queue"; }
  std::string pdfFolder() const override { return "/docs"; }
  void abortDocument() override { ++*aborts_; }
  std::string deliveryNote() const override { return "/tmp/My wing.pdf"; }

 private:
  void step() {
    if ((*steps_)++ == failAt_) throw plot::PageError("fault");
  }
  int failAt_;
  int* aborts_;
  int* steps_;
};

TEST_F(Form, PrintFaultAtAnyStepShowsOneMessageAndDropsTheSheet) {
  form.printSheet();
  EXPECT_EQ(window.messages().back().text, "Nothing to print");
  window.typeWing(kTwoPanels, "30", "1500");
  ASSERT_TRUE(form.calculate());
  window.prompt = "Delta";

  int aborts = 0;
  int total = 0;
  for (int failAt = 0;; ++failAt) {
    window.boxes.messages.clear();
    total = 0;
    window.page = std::make_unique<FailingPage>(failAt, &aborts, &total);
    form.printSheet();
    ASSERT_EQ(window.messages().size(), 2u);  // the printer question, then the outcome
    EXPECT_EQ(window.messages()[0].text, "Print on PDF in /docs ?");
    EXPECT_EQ(window.busyDepth, 0);
    if (window.messages()[1].text != "Printer fault") {
      EXPECT_EQ(window.messages()[1].text, "Printed\r\n/tmp/My wing.pdf");
      EXPECT_EQ(aborts, failAt);
      break;
    }
    EXPECT_EQ(window.messages()[1].icon, base::Icon::Critical);
    EXPECT_EQ(aborts, failAt + 1);
  }
  EXPECT_GT(total, 100);
  EXPECT_EQ(form.sheetName(), "Delta");
}

// A template job that prints (the note: a PDF path or nothing) or fails (no note).
struct FakeTemplateJob : TemplateJob {
  explicit FakeTemplateJob(std::optional<std::string> note) : note(std::move(note)) {}
  std::string deviceName() const override { return "Queue"; }
  std::string print(const wing::WingGeometry&, const plot::TemplateTexts&) override {
    return note ? *note : throw plot::PageError("fault");
  }
  std::optional<std::string> note;
};

TEST_F(Form, TemplateAsksLikeTheSheetAndReportsOneOutcome) {
  window.typeWing(kTwoPanels, "30", "1500");
  ASSERT_TRUE(form.calculate());
  const std::string ask = "Print on Queue ?";
  struct Case {
    bool hasJob;
    std::optional<std::string> note;
    base::Answer answer;
    std::string name;
    std::vector<std::string> messages;
  } cases[] = {
      {false, "", base::Answer::Ok, "W", {"Printer fault"}},
      {true, "", base::Answer::Cancel, "W", {ask}},
      {true, "", base::Answer::Ok, "", {ask}},
      {true, std::nullopt, base::Answer::Ok, "W", {ask, "Printer fault"}},
      {true,
       "/d/W - template.pdf",
       base::Answer::Ok,
       "W",
       {ask, "Template printed\r\n/d/W - template.pdf"}},
  };
  for (const Case& c : cases) {
    window.boxes.messages.clear();
    window.boxes.answers = {c.answer};
    window.prompt = c.name;
    if (c.hasJob) window.templateJob = std::make_unique<FakeTemplateJob>(c.note);
    form.printTemplate();
    std::vector<std::string> shown;
    for (const auto& m : window.messages()) shown.push_back(m.text);
    EXPECT_EQ(shown, c.messages);
    EXPECT_EQ(window.busyDepth, 0);
  }
}

TEST_F(Form, ExportWritesTheChosenFormatBesideTheWingFile) {
  language.folder.write("Old.lng", "[Label]\r\n0=Tavelor\r\n");
  form.language().setLanguage("Old");  // a language file without the newer texts
  form.exportOutline();
  EXPECT_EQ(window.messages().back().text, "Nothing to export");

  window.typeWing(kTwoPanels, "30", "1500");
  ASSERT_TRUE(form.calculate());
  window.chosenFile = language.folder.file("delta.txt");
  form.saveWingAs();
  window.chosenFile = language.folder.file("cut.SVG");
  form.exportOutline();
  EXPECT_EQ(window.saveRequest.initialFolder, language.folder.path());
  EXPECT_EQ(window.saveRequest.proposedName, "delta");
  EXPECT_EQ(language.folder.read("cut.SVG"), "<svg>delta</svg>");
}

// One fault box per unreadable file and command, however many texts the command looks up.
TEST(FormFaults, AFileThatCannotBeReadIsReportedOncePerCommand) {
  // The file, made a folder or removed; the boxes after start-up and after a refused calculation.
  const struct {
    const char* file;
    bool folder;
    std::size_t boxes, boxesAfterCalculate;
  } cases[] = {{"English.lng", true, 1, 3}, {"English.lng", false, 1, 3}, {"tv.ini", true, 1, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    testing::FormFixture f(kTexts);
    std::filesystem::remove(f.language.folder.file(c.file));
    if (c.folder) std::filesystem::create_directory(f.language.folder.file(c.file));
    f.window.chooserPick = "English";
    f.window.boxes.messages.clear();
    f.form.startUp();
    EXPECT_EQ(f.window.messages().size(), c.boxes);
    f.form.calculate();  // nothing typed: the warning, after one box for the language file
    EXPECT_EQ(f.window.messages().size(), c.boxesAfterCalculate);
  }
}

TEST(FormStart, WithoutAnyLanguageFileTheProgramEnds) {
  testing::TempFolder empty;
  FakeWindow window;
  MainForm form(window, empty.path());
  EXPECT_FALSE(form.startUp());
  EXPECT_TRUE(window.ended);
  EXPECT_EQ(window.messages().at(0).text, noLanguageFileText(empty.path()));
}

}  // namespace
}  // namespace tavelor::ui

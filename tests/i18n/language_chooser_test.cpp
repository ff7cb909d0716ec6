#include "i18n/language_chooser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "i18n_test_support.h"

namespace tavelor::i18n {
namespace {

using testing::RecordingBoxes;
using testing::RecordingCaptions;
using testing::TempFolder;
using Names = std::vector<std::string>;

// The chooser window as a user drives it: picking an item selects it and shows it in the box;
// typing changes only the box's text.
class FakeChooserView : public ChooserView {
 public:
  void processEvents() override { calls.push_back("events"); }
  void setCaption(const std::string& text) override { caption = text; }
  void clearItems() override {
    items.clear();
    selected.reset();
  }
  void addItem(const std::string& text) override {
    calls.push_back("add");
    items.push_back(text);
  }
  void setEditText(const std::string& text) override { edit = text; }
  std::string editText() const override { return edit; }
  std::optional<std::string> selectedItemText() const override {
    if (!selected) return std::nullopt;
    return items[*selected];
  }
  void close() override { ++closes; }

  void pick(LanguageChooser& chooser, const std::string& name) {
    const auto it = std::find(items.begin(), items.end(), name);
    ASSERT_NE(it, items.end()) << name;
    selected = static_cast<size_t>(it - items.begin());
    edit = name;
    chooser.itemPicked();
  }

  std::string caption = "(design)";
  std::string edit = "(design)";
  Names items;
  std::optional<size_t> selected;
  Names calls;
  int closes = 0;
};

const std::string kEnglish =
    "[LANGUAGE]\r\n1=&Language\r\n2=Choose your language\r\n[Label]\r\n0=Tavelor\r\n";
const std::string kFrench =
    "[language]\r\n1=&Langue\r\n2=Choisissez votre langue\r\n[Label]\r\n0=Tavelor FR\r\n";
const std::string kFrenchName = "Fran\u00E7ais";
const std::string kStoredEnglish = "[Langue]\r\n1=English\r\n";

class LanguageChooserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.write("English.lng", kEnglish);
    folder.write(kFrenchName + ".lng", kFrench);
    folder.write("Deutsch.lng", "[Label]\r\n0=Tavelor DE\r\n");
  }
  // The state after a start with English stored.
  void startInEnglish() {
    folder.write("tv.ini", kStoredEnglish);
    module.setLanguage("English");
  }
  std::string captionOf(const std::string& control) const {
    for (const auto& set : window.sets) {
      if (set.control == control && !set.toolTip) return set.text;
    }
    return "(unset)";
  }

  TempFolder folder;
  RecordingBoxes boxes;
  LanguageModule module{folder.path(), boxes};
  RecordingCaptions window;
  FakeChooserView view;
  LanguageChooser chooser{module, window, view};
};

TEST_F(LanguageChooserTest, FirstStartKeepsBuiltInTextsAndListsSorted) {
  module.firstStart = true;
  chooser.open();
  EXPECT_EQ(view.caption, "Select your Language");
  EXPECT_EQ(view.edit, "Select");
  EXPECT_EQ(view.items, (Names{"Deutsch", "English", kFrenchName}));
  EXPECT_EQ(view.calls.front(), "events");  // the window repaints before the folder is listed
  EXPECT_FALSE(chooser.choiceMade());
  EXPECT_TRUE(boxes.shown.empty());
}

// The list is rebuilt at each opening.
TEST_F(LanguageChooserTest, FromMenuShowsCurrentCaptionAndStoredLanguage) {
  startInEnglish();
  chooser.open();
  EXPECT_EQ(view.caption, "Choose your language");
  EXPECT_EQ(view.edit, "English");
  folder.write("Italiano.lng", "");
  std::filesystem::remove(folder.file("Deutsch.lng"));
  chooser.open();
  EXPECT_EQ(view.items, (Names{"English", kFrenchName, "Italiano"}));
}

TEST_F(LanguageChooserTest, OkAppliesPickedLanguage) {
  startInEnglish();
  chooser.open();
  view.pick(chooser, kFrenchName);
  chooser.okPressed();
  EXPECT_EQ(folder.read("tv.ini"),
            "[Langue]\r\n1=Fran\xE7"
            "ais\r\n");
  EXPECT_EQ(module.currentLanguage, kFrenchName);
  EXPECT_EQ(module.languageFile, "/" + kFrenchName + ".lng");
  EXPECT_EQ(window.sets.size(), 34u);  // the whole main window translated once
  EXPECT_EQ(captionOf("frmMain"), "Tavelor FR");
  EXPECT_EQ(captionOf("mnulang"), "&Langue");
  EXPECT_EQ(view.closes, 1);
  // Back through tv.ini to the file name on disk, as the next start will do it.
  EXPECT_EQ(module.readStoredLanguage(), kFrenchName);
  EXPECT_EQ(module.GetINIFile("LANGUAGE", "2"), "Choisissez votre langue");
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LanguageChooserTest, PickingCurrentLanguageAgainRewritesSameValue) {
  startInEnglish();
  chooser.open();
  view.pick(chooser, "English");
  chooser.okPressed();
  EXPECT_EQ(folder.read("tv.ini"), kStoredEnglish);
  EXPECT_EQ(captionOf("frmMain"), "Tavelor");
  EXPECT_EQ(module.languageFile, "/English.lng");
}

// What the user does after opening the chooser from the menu, in this order.
struct NoChangeCase {
  const char* name;
  bool pick;          // Deutsch from the list
  const char* typed;  // then over the box's text, or nullptr
  bool removeFile;    // Deutsch.lng gone before OK
  bool closedByUser;  // instead of OK
};

class LanguageChooserNoChange : public LanguageChooserTest,
                                public ::testing::WithParamInterface<NoChangeCase> {};

TEST_P(LanguageChooserNoChange, ClosesWithoutTouchingAnything) {
  const auto& c = GetParam();
  startInEnglish();
  chooser.open();
  if (c.pick) view.pick(chooser, "Deutsch");
  if (c.typed) view.edit = c.typed;
  if (c.removeFile) std::filesystem::remove(folder.file("Deutsch.lng"));
  c.closedByUser ? chooser.closedByUser() : chooser.okPressed();
  EXPECT_EQ(folder.read("tv.ini"), kStoredEnglish);
  EXPECT_EQ(module.currentLanguage, "English");
  EXPECT_EQ(module.languageFile, "/English.lng");
  EXPECT_TRUE(window.sets.empty());
  EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageChooserNoChange,
    ::testing::Values(NoChangeCase{"okWithoutPick", false, nullptr, false, false},
                      NoChangeCase{"typedNameWithoutPick", false, "Deutsch", false, false},
                      NoChangeCase{"pickedThenTypedOver", true, "Deutsc", false, false},
                      NoChangeCase{"pickedThenTypedAnotherName", true, "Klingon", false, false},
                      NoChangeCase{"pickedFileRemovedBeforeOk", true, nullptr, true, false},
                      NoChangeCase{"pickedThenClosedByUser", true, nullptr, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LanguageChooserTest, NoLanguageFileOnlyCloses) {
  for (const auto& name : folder.names()) std::filesystem::remove(folder.file(name));
  module.firstStart = true;
  chooser.open();
  EXPECT_TRUE(view.items.empty());
  chooser.okPressed();
  EXPECT_EQ(view.closes, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.file("tv.ini")));
  EXPECT_TRUE(window.sets.empty());
}

struct ListCase {
  const char* name;
  Names files;
  Names folders;
  Names expected;
};

class LanguageList : public ::testing::TestWithParam<ListCase> {};

TEST_P(LanguageList, OffersUsableLanguageFilesOnly) {
  const auto& c = GetParam();
  TempFolder folder;
  for (const auto& name : c.folders) std::filesystem::create_directory(folder.file(name));
  for (const auto& name : c.files) folder.write(name, "");
  EXPECT_EQ(listLanguages(folder.path() + "/", "*.lng"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, LanguageList,
    ::testing::Values(
        ListCase{"oneAmongOthers",
                 {"English.lng", "notes.txt", "tv.ini", "English.lng.bak"},
                 {},
                 {"English"}},
        ListCase{"sortedIgnoringCase", {"b.lng", "C.lng", "A.lng"}, {}, {"A", "b", "C"}},
        ListCase{"foldersAreNoLanguages", {"English.lng"}, {"Old.lng"}, {"English"}},
        ListCase{"upperCaseExtensionCannotBeLoaded", {"Deutsch.LNG"}, {}, {}},
        ListCase{"bothSpellingsListedOnce", {"Deutsch.LNG", "Deutsch.lng"}, {}, {"Deutsch"}},
        ListCase{"bareExtension", {".lng"}, {}, {}},
        ListCase{"nameOutsideCodePage",
                 {"\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC.lng"},
                 {},
                 {}},
        ListCase{"nonAsciiName", {"Fran\u00E7ais.lng"}, {}, {"Fran\u00E7ais"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageListMissingFolder, IsEmpty) {
  EXPECT_TRUE(listLanguages("/nonexistent-tavelor-folder/", "*.lng").empty());
}

struct PatternCase {
  const char* name;
  const char* pattern;
  bool matches;
};

class NamePattern : public ::testing::TestWithParam<PatternCase> {};

TEST_P(NamePattern, MatchesIgnoringCase) {
  const auto& c = GetParam();
  EXPECT_EQ(matchesNamePattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NamePattern,
    ::testing::Values(PatternCase{"English.lng", "*.lng", true},
                      PatternCase{"ENGLISH.LNG", "*.lng", true},
                      PatternCase{"a.b.lng", "*.lng", true}, PatternCase{".lng", "*.lng", true},
                      PatternCase{"English.lngx", "*.lng", false},
                      PatternCase{"Englishlng", "*.lng", false}, PatternCase{"lng", "*.lng", false},
                      PatternCase{"abc", "a?c", true}, PatternCase{"ac", "a?c", false},
                      PatternCase{"", "*", true}, PatternCase{"aXbXc", "*b*c", true},
                      PatternCase{"aXbXd", "*b*c", false}));

}  // namespace
}  // namespace tavelor::i18n

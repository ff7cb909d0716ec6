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

using testing::TempFolder;
using Names = std::vector<std::string>;

// The chooser window as a user drives it: picking an item selects it and shows it in the box;
// typing changes only the box's text.
class FakeChooserView : public ChooserView {
 public:
  void processEvents() override { repaintedBeforeListing = items.empty(); }
  void setCaption(const std::string& text) override { caption = text; }
  void clearItems() override {
    items.clear();
    selected.reset();
  }
  void addItem(const std::string& text) override { items.push_back(text); }
  void setEditText(const std::string& text) override { edit = text; }
  std::string editText() const override { return edit; }
  std::optional<std::string> selectedItemText() const override { return selected; }
  void close() override { ++closes; }

  void pick(LanguageChooser& chooser, const std::string& name) {
    EXPECT_NE(std::find(items.begin(), items.end(), name), items.end()) << name;
    selected = edit = name;
    chooser.itemPicked();
  }

  std::string caption, edit;
  Names items;
  std::optional<std::string> selected;
  bool repaintedBeforeListing = false;
  int closes = 0;
};

const std::string kFrenchName = "Fran\u00E7ais";
const std::string kStoredEnglish = "[Langue]\r\n1=English\r\n";

class LanguageChooserTest : public ::testing::Test {
 protected:
  LanguageChooserTest() {
    folder.write("English.lng", "[LANGUAGE]\r\n2=Choose your language\r\n");
    folder.write(kFrenchName + ".lng", "[language]\r\n2=Choisissez\r\n[Label]\r\n0=Tavelor FR\r\n");
    folder.write("Deutsch.lng", "");
  }
  // The state after a start with English stored, the chooser opened from the menu.
  void openFromMenu() {
    folder.write("tv.ini", kStoredEnglish);
    module.setLanguage("English");
    chooser.open();
  }

  TempFolder folder;
  testing::FakeInputWindow boxes;
  Language module{folder.path(), boxes};
  testing::RecordingCaptions window;
  FakeChooserView view;
  LanguageChooser chooser{module, window, view};
};

TEST_F(LanguageChooserTest, FirstStartKeepsBuiltInTextsAndListsSorted) {
  module.firstStart = true;
  chooser.open();
  EXPECT_EQ(view.caption, "Select your Language");
  EXPECT_EQ(view.edit, "Select");
  EXPECT_EQ(view.items, (Names{"Deutsch", "English", kFrenchName}));
  EXPECT_TRUE(view.repaintedBeforeListing);
  EXPECT_FALSE(chooser.choiceMade());
}

// A non-ASCII name goes to tv.ini in Windows-1252 and back to the file name on disk, as the
// next start will read it.
TEST_F(LanguageChooserTest, FromMenuOkAppliesPickedLanguage) {
  openFromMenu();
  EXPECT_EQ(view.caption, "Choose your language");
  EXPECT_EQ(view.edit, "English");
  view.pick(chooser, kFrenchName);
  EXPECT_TRUE(chooser.choiceMade());
  chooser.okPressed();
  EXPECT_EQ(folder.read("tv.ini"),
            "[Langue]\r\n1=Fran\xE7"
            "ais\r\n");
  EXPECT_EQ(module.readStoredLanguage(), kFrenchName);
  EXPECT_EQ(module.text("LANGUAGE", "2"), "Choisissez");
  // The whole main window translated once.
  EXPECT_EQ(std::count(window.log.begin(), window.log.end(), '|'), 34);
  EXPECT_NE(window.log.find("|frmMain=Tavelor FR|"), std::string::npos);
  EXPECT_EQ(view.closes, 1);
  EXPECT_TRUE(boxes.messages.empty());
}

// OK applies only a picked item the box still shows and whose file is still there.
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
  openFromMenu();
  if (c.pick) view.pick(chooser, "Deutsch");
  if (c.typed) view.edit = c.typed;
  if (c.removeFile) std::filesystem::remove(folder.file("Deutsch.lng"));
  c.closedByUser ? chooser.closedByUser() : chooser.okPressed();
  EXPECT_EQ(folder.read("tv.ini"), kStoredEnglish);
  EXPECT_EQ(module.currentLanguage, "English");
  EXPECT_EQ(window.log, "");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LanguageChooserNoChange,
    ::testing::Values(NoChangeCase{"typedNameWithoutPick", false, "Deutsch", false, false},
                      NoChangeCase{"pickedThenTypedOver", true, "Deutsc", false, false},
                      NoChangeCase{"pickedFileRemovedBeforeOk", true, nullptr, true, false},
                      NoChangeCase{"pickedThenClosedByUser", true, nullptr, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

// Only ordinary files that can be loaded by the listed name and stored in tv.ini.
TEST(LanguageList, OffersUsableLanguageFilesOnly) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("Old.lng"));
  for (const char* name : {"b.lng", "C.lng", "A.lng", "notes.txt", "A.lng.bak", "Deutsch.LNG",
                           ".lng", "\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC.lng"}) {
    folder.write(name, "");
  }
  EXPECT_EQ(listLanguages(folder.path() + "/", "*.lng"), (Names{"A", "b", "C"}));
}

}  // namespace
}  // namespace tavelor::i18n

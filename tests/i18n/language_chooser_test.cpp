#include "i18n/language_chooser.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/fake_window.h"

namespace tavelor::i18n {
namespace {

using Names = std::vector<std::string>;

// The chooser window as a user drives it: picking an item selects it and shows it in the box;
// typing changes only the box's text.
class FakeChooserView : public ChooserView {
 public:
  void processEvents() override {}
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
    selected = edit = name;
    chooser.itemPicked();
  }

  std::string caption, edit;
  Names items;
  std::optional<std::string> selected;
  int closes = 0;
};

const std::string kFrench = "Fran\u00E7ais";
const std::string kStoredEnglish = "[Langue]\r\n1=English\r\n";

// English set, nothing stored; French and German beside it.
class LanguageChooserTest : public ::testing::Test {
 protected:
  LanguageChooserTest() {
    folder.write(kFrench + ".lng", "[Label]\r\n0=Tavelor FR\r\n");
    folder.write("Deutsch.lng", "");
  }

  testing::LanguageFolder english{{}, "English"};
  testing::TempFolder& folder = english.folder;
  Language& language = english.language;
  testing::FakeWindow window;
  FakeChooserView view;
  LanguageChooser chooser{language, window, view};
};

// A first start keeps the built-in texts and lists, without regard to case, the ordinary files
// that can be loaded by the listed name and stored in tv.ini. The pick goes to tv.ini in
// Windows-1252, as the next start reads it, and the main window speaks the new language.
TEST_F(LanguageChooserTest, FirstStartPickIsStoredAppliedAndTranslated) {
  std::filesystem::create_directory(folder.file("Old.lng"));
  for (const char* name : {"b.lng", "notes.txt", "A.lng.bak", "Spare.LNG", ".lng",
                           "\u0395\u03BB\u03BB\u03B7\u03BD\u03B9\u03BA\u03AC.lng"}) {
    folder.write(name, "");
  }
  language.firstStart = true;
  chooser.open();
  EXPECT_EQ(view.caption, "Select your Language");
  EXPECT_EQ(view.edit, "Select");
  EXPECT_EQ(view.items, (Names{"b", "Deutsch", "English", kFrench}));
  view.pick(chooser, kFrench);
  chooser.okPressed();
  EXPECT_EQ(folder.read("tv.ini"),
            "[Langue]\r\n1=Fran\xE7"
            "ais\r\n");
  EXPECT_EQ(language.currentLanguage, kFrench);
  EXPECT_EQ(window.captions["mainWindow"], "Tavelor FR");
  EXPECT_EQ(view.closes, 1);
  EXPECT_TRUE(english.faults.messages.empty());
}

// The box shows the stored choice, or the current language when none is stored (tv.ini could
// not be written). OK without a pick, or with one whose file has gone, closes the chooser and
// the language keeps its name.
TEST_F(LanguageChooserTest, WithoutAUsablePickOkKeepsTheLanguage) {
  for (const bool stored :
       {false, true}) {  // English in tv.ini; then Deutsch picked, its file gone
    folder.write("tv.ini", stored ? kStoredEnglish : "");
    chooser.open();
    EXPECT_EQ(view.edit, "English");
    if (stored) {
      view.pick(chooser, "Deutsch");
      std::filesystem::remove(folder.file("Deutsch.lng"));
    }
    chooser.okPressed();
    EXPECT_EQ(folder.read("tv.ini"), stored ? kStoredEnglish : "");
    EXPECT_EQ(language.currentLanguage, "English");
    EXPECT_TRUE(window.captions.empty());
  }
  EXPECT_EQ(view.closes, 2);
}

}  // namespace
}  // namespace tavelor::i18n

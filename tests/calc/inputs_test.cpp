#include "calc/inputs.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/fake_window.h"
#include "support/language_folder.h"

namespace tavelor::calc {
namespace {

using tavelor::testing::FakeInputWindow;

constexpr Field kAllFields[] = {Field::C_max,  Field::C_min, Field::L_trap,
                                Field::deport, Field::Cg,    Field::masse};

struct KeyCase {
  const char* name;
  char32_t character;
  bool passesNumberFields;
  bool passesSweepFields;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class KeyFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilterTest, PassesPerFieldKind) {
  const auto& c = GetParam();
  for (const Field field : kAllFields) {
    const bool expected = field == Field::deport ? c.passesSweepFields : c.passesNumberFields;
    EXPECT_EQ(keyPasses(field, c.character), expected) << "field " << static_cast<int>(field);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyFilterTest,
    ::testing::Values(KeyCase{"Backspace", 8, true, true}, KeyCase{"Zero", U'0', true, true},
                      KeyCase{"Nine", U'9', true, true}, KeyCase{"Point", U'.', true, true},
                      KeyCase{"Comma", U',', true, true}, KeyCase{"Minus", U'-', false, true},
                      KeyCase{"Plus", U'+', false, false}, KeyCase{"Space", U' ', false, false},
                      KeyCase{"Letter", U'a', false, false},
                      KeyCase{"Exponent", U'e', false, false},
                      KeyCase{"PasteShortcut", 0x16, false, false},
                      KeyCase{"Tab", U'\t', false, false},
                      KeyCase{"AccentedLetter", U'\u00e9', false, false},
                      KeyCase{"ArabicDecimalMark", U'\u066b', false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TipToRoot, EachTipChordShowsAtOnceAsTheNextRootChord) {
  FakeInputWindow window;
  window.setFieldText(Field::C_min, 0, "120");
  EXPECT_EQ(window.fieldText(Field::C_max, 1), "120");

  window.setFieldText(Field::C_min, 2, "12,5mm");  // copied as text, not as a number
  EXPECT_EQ(window.fieldText(Field::C_max, 3), "12,5mm");

  window.setFieldText(Field::C_max, 3, "typed over");
  window.setFieldText(Field::C_min, 4, "80");  // any tip change copies all four again
  EXPECT_EQ(window.fieldText(Field::C_max, 3), "12,5mm");
  EXPECT_EQ(window.fieldText(Field::C_max, 0), "");  // the last tip goes nowhere

  window.setFieldText(Field::C_min, 2, "");
  EXPECT_EQ(window.fieldText(Field::C_max, 3), "");
  EXPECT_EQ(window.fieldText(Field::C_max, 1), "120");
}

TEST(FieldFocus, SelectsTheTextAndOnlyARootChordMakesTheWindowReady) {
  FakeInputWindow window;
  WingState state;
  for (const Field field : {Field::C_min, Field::L_trap, Field::deport, Field::Cg, Field::masse}) {
    onFieldFocus(state, window, field, 1);
  }
  EXPECT_EQ(state.focusReady, 0);
  onFieldFocus(state, window, Field::C_max, 3);
  EXPECT_EQ(state.focusReady, 1);
  ASSERT_EQ(window.selections.size(), 6u);
  EXPECT_EQ(window.selections.back(), std::make_pair(Field::C_max, 3));
  EXPECT_TRUE(window.focusCalls.empty());  // gaining the focus moves nothing
}

class ClearInputsTest : public ::testing::Test {
 protected:
  void fillEverything() {
    for (int i = 0; i < kPanels; ++i) window.setPanel(i, "200", "150", "300", "-10");
    window.setFieldText(Field::Cg, 0, "25");
    window.setFieldText(Field::masse, 0, "900");
    for (int label = 0; label <= static_cast<int>(ResultLabel::LbafficheCA); ++label) {
      window.setResultCaption(static_cast<ResultLabel>(label), "old");
    }
    window.windowCaption = "old";
    state.resultsValid = 1;
  }

  FakeInputWindow window;
  WingState state;
  tavelor::testing::LanguageFolder language{{{"Label", {{"0", "Tavelor"}}}}};
};

TEST_F(ClearInputsTest, EmptiesGridAndResultsAndResetsCentring) {
  fillEverything();
  clearInputs(state, window, *language);

  EXPECT_EQ(state.resultsValid, 0);
  for (int i = 0; i < kPanels; ++i) {
    for (const Field field : {Field::C_max, Field::C_min, Field::L_trap, Field::deport}) {
      EXPECT_EQ(window.fieldText(field, i), "") << static_cast<int>(field) << " " << i;
    }
  }
  EXPECT_EQ(window.fieldText(Field::Cg, 0), "30");
  EXPECT_EQ(window.fieldText(Field::masse, 0), "");
  for (int label = 0; label <= static_cast<int>(ResultLabel::LbafficheCA); ++label) {
    EXPECT_EQ(window.resultCaption(static_cast<ResultLabel>(label)), "") << label;
  }
  EXPECT_EQ(window.planClears, 1);
  EXPECT_EQ(window.windowCaption, "Tavelor");
  ASSERT_FALSE(window.selections.empty());
  EXPECT_EQ(window.selections.back(), std::make_pair(Field::C_max, 0));
  EXPECT_TRUE(window.messages.empty());
  EXPECT_TRUE(language.faults.messages.empty());
}

}  // namespace
}  // namespace tavelor::calc

#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "calc/input_window.h"
#include "calc/inputs.h"

namespace tavelor::testing {

struct ShownMessage {
  std::string text;
  std::string title;
  base::Icon icon;
  base::Buttons buttons;
};

// A window that keeps field texts and captions in memory and records what the logic did.
// Like a real window, changing a C_min text runs the tip-to-root copy.
class FakeInputWindow : public virtual calc::InputWindow {
 public:
  std::string fieldText(calc::Field field, int index) const override {
    auto it = fields.find(key(field, index));
    return it == fields.end() ? std::string() : it->second;
  }
  void setFieldText(calc::Field field, int index, const std::string& text) override {
    auto& slot = fields[key(field, index)];
    const bool changed = slot != text;
    slot = text;
    if (changed && field == calc::Field::C_min) calc::C_min_Change(*this);
  }
  void selectAll(calc::Field field, int index) override { selections.push_back(key(field, index)); }
  void setFocus(calc::Field field, int index) override { focusCalls.push_back(key(field, index)); }
  void setResultCaption(calc::ResultLabel label, const std::string& text) override {
    results[label] = text;
  }
  std::string resultCaption(calc::ResultLabel label) const override {
    auto it = results.find(label);
    return it == results.end() ? std::string() : it->second;
  }
  void setWindowCaption(const std::string& text) override { windowCaption = text; }
  void clearPlan() override { ++planClears; }
  std::string decimalMark() const override { return mark; }

  base::Answer showMessage(const std::string& text, const std::string& title, base::Icon icon,
                           base::Buttons buttons) override {
    messages.push_back({text, title, icon, buttons});
    if (answers.empty()) return base::Answer::Ok;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }

  // Convenience for tests: set a whole panel row's texts.
  void setPanel(int index, const std::string& root, const std::string& tip,
                const std::string& length, const std::string& sweep) {
    setFieldText(calc::Field::C_max, index, root);
    setFieldText(calc::Field::C_min, index, tip);
    setFieldText(calc::Field::L_trap, index, length);
    setFieldText(calc::Field::deport, index, sweep);
  }

  // The worked two-panel wing: chords 250 to 200 over 400 mm, then 200 to 100 over 300 mm with
  // the leading edge 50 mm back; centring 30 %, mass 1500 g.
  void typeExampleWing() {
    setPanel(0, "250", "200", "400", "0");
    setPanel(1, "200", "100", "300", "50");
    setFieldText(calc::Field::Cg, 0, "30");
    setFieldText(calc::Field::masse, 0, "1500");
  }

  static std::pair<calc::Field, int> key(calc::Field field, int index) {
    if (field == calc::Field::Cg || field == calc::Field::masse) index = 0;
    return {field, index};
  }

  std::map<std::pair<calc::Field, int>, std::string> fields;
  std::map<calc::ResultLabel, std::string> results;
  std::vector<std::pair<calc::Field, int>> selections;
  std::vector<std::pair<calc::Field, int>> focusCalls;
  std::string windowCaption;
  int planClears = 0;
  std::string mark = ".";
  std::vector<ShownMessage> messages;
  std::deque<base::Answer> answers;  // answers given to message boxes, Ok when empty
};

}  // namespace tavelor::testing

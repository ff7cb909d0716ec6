#include "ui/control_table.h"

#include <string>

namespace tavelor::ui {

std::vector<Buddy> buddies() {
  std::vector<Buddy> list{
      {"rootChordCaption", {Field::RootChord, 0}}, {"tipChordCaption", {Field::TipChord, 0}},
      {"lengthCaption", {Field::PanelLength, 0}},  {"sweepCaption", {Field::Sweep, 0}},
      {"centringCaption", {Field::Centring, 0}},   {"massCaption", {Field::Mass, 0}},
      {"panelHeading0", {Field::RootChord, 0}}};
  for (int i = 1; i < kPanels; ++i) {
    list.push_back({"panelHeading" + std::to_string(i), {Field::TipChord, i}});
  }
  return list;
}

std::vector<std::variant<FieldRef, const char*>> tabOrder() {
  std::vector<std::variant<FieldRef, const char*>> order{
      FieldRef{Field::RootChord, 0}, FieldRef{Field::TipChord, 0}, FieldRef{Field::PanelLength, 0},
      FieldRef{Field::Sweep, 0}, FieldRef{Field::Centring, 0}};
  for (int i = 1; i < kPanels; ++i) {
    for (Field field : {Field::TipChord, Field::PanelLength, Field::Sweep}) {
      order.emplace_back(FieldRef{field, i});
    }
  }
  order.emplace_back(FieldRef{Field::Mass, 0});
  for (const ButtonRow& button : kButtonRows) order.emplace_back(button.name);
  return order;
}

std::string withoutAccessKey(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && ++i == caption.size()) break;
    shown += caption[i];
  }
  return shown;
}

}  // namespace tavelor::ui

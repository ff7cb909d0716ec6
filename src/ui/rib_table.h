#pragma once

// The ribs window's rows as a plain table: each row's caption key and its fields, each field
// with the key of its own short caption (empty for none). The window builds its grid from it,
// and the form names a refused field by its row's and its own caption.

#include "ui/rib_form.h"

namespace tavelor::ui {

struct RibRow {
  const char* captionKey;
  RibField first;  // the row's fields follow each other in RibField's order
  int fields;
};

inline constexpr RibRow kRibRows[] = {
    {"rootAirfoil", RibField::RootAirfoil, 1}, {"tipAirfoil", RibField::TipAirfoil, 1},
    {"spacing", RibField::Spacing, 1},         {"sheeting", RibField::SheetTop, 3},
    {"spar1", RibField::Spar1At, 3},           {"spar2", RibField::Spar2At, 3},
    {"spar3", RibField::Spar3At, 3},           {"edges", RibField::LeadingEdge, 2},
    {"washout", RibField::Washout, 2},         {"stock", RibField::StockWidth, 2}};

// Each field's own caption key and object name, in RibField's order.
inline constexpr const char* kRibFieldCaptions[kRibFieldCount] = {
    "",      "",        "",          "top",   "bottom", "toPercent", "atPercent",
    "width", "depth",   "atPercent", "width", "depth",  "atPercent", "width",
    "depth", "leStock", "teAt",      "angle", "about",  "width",     "length"};
inline constexpr const char* kRibFieldNames[kRibFieldCount] = {
    "rootAirfoil",  "tipAirfoil", "spacing",    "sheetTop",    "sheetBottom",  "sheetTo",
    "spar1At",      "spar1Width", "spar1Depth", "spar2At",     "spar2Width",   "spar2Depth",
    "spar3At",      "spar3Width", "spar3Depth", "leadingEdge", "trailingEdge", "washout",
    "washoutPivot", "stockWidth", "stockLength"};

// The spar sides' caption keys, in rib::SparSide's order.
inline constexpr const char* kSparSideKeys[] = {"sideTop", "sideBottom", "sideBoth"};

}  // namespace tavelor::ui

#pragma once

// The stability window's controls as plain tables: the fields' and values' names, and the
// captions (by text key) of the rows they stand in. The window builds its widgets from them.

#include <optional>
#include <utility>

#include "files/wing_file.h"
#include "plot/drawing.h"
#include "ui/stability_form.h"
#include "ui/stability_inputs.h"

namespace tavelor::ui {

// The fields' names in StabilityField's order.
inline constexpr const char* kStabilityFieldNames[files::kTailFieldCount] = {
    "rootChord1", "tipChord1", "length1", "sweep1",         "rootChord2",   "tipChord2",
    "length2",    "sweep2",    "tailArm", "tailEfficiency", "staticMargin", "height"};

// The values' names in StabilityFigure's order.
inline constexpr const char* kStabilityValueNames[kStabilityFigureCount] = {
    "areaValue",      "aspectRatioValue", "volumeValue", "armAcValue",
    "liftSlopeValue", "npPercentValue",   "npMmValue",   "wingCentreValue",
    "cgPercentValue", "cgMmValue",        "marginValue"};

// The stabiliser's rows, one field of each panel in each: the captions' keys.
inline constexpr const char* kStabiliserRowKeys[] = {"rootChord", "tipChord", "length", "sweep"};

// The position's rows, top to bottom.
inline constexpr std::pair<const char*, StabilityField> kPositionRows[] = {
    {"tailArm", StabilityField::TailArm},
    {"height", StabilityField::Height},
    {"efficiency", StabilityField::TailEfficiency},
    {"margin", StabilityField::StaticMargin}};

// The results that stand alone at the top of their box, a caption and a value each.
inline constexpr std::pair<const char*, StabilityFigure> kSingleFigures[] = {
    {"area", StabilityFigure::Area},
    {"aspectRatio", StabilityFigure::AspectRatio},
    {"volume", StabilityFigure::Volume},
    {"armAc", StabilityFigure::ArmAc},
    {"liftSlope", StabilityFigure::LiftSlope}};

// The results under the headings "% of MAC" and "mm", a caption and one or two values each; the
// neutral point and the CG in their marks' colours, on one line.
struct MacFigureRow {
  const char* key;
  StabilityFigure percent;
  std::optional<StabilityFigure> mm;
  std::optional<plot::Role> colour = std::nullopt;
};
inline constexpr MacFigureRow kMacFigures[] = {
    {"neutralPoint", StabilityFigure::NpPercent, StabilityFigure::NpMm,
     plot::Role::NeutralPointMark},
    {"wingCentre", StabilityFigure::WingCentre, std::nullopt},
    {"centring", StabilityFigure::CgPercent, StabilityFigure::CgMm, plot::Role::CentringPointMark},
    {"currentMargin", StabilityFigure::Margin, std::nullopt}};

}  // namespace tavelor::ui

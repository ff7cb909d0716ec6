#include "plot/drawing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace tavelor::plot {

const Pen& penOf(Role role) {
  // clang-format off
  static constexpr Pen kPens[] = {  // in Role's order
      // colour     width  dashed  cut    layer           DXF colour  wide
      {kBlack,      0.25,  false,  true,  "OUTLINE",      7, false},
      {kGreen,      0.25,  false,  true,  "JOINTS",       3, false},
      {kRed,        0.25,  true,   false, "MAC",          1, false},
      {kBlue,       0.25,  true,   false, "CG",           5, false},
      {kBlack,      0.15,  true,   false, "AXIS",         7, false},
      {kRed,        0.25,  true,   false, "ROOT",         1, false},
      {kBlue,       0.25,  true,   false, "GUIDE",        5, false},
      {kGrey,       0.1,   false,  false, "TRIM",         8, false},
      {kGrey,       0.2,   false,  false, "FRAME",        8, false},
      {kBlack,      0.15,  false,  false, "REGISTRATION", 7, false},
      {kBlack,      0.25,  false,  false, "SCALE",        7, false},
      {kMidGrey,    0.26,  false,  false, "LOADAXIS",     8, true},
      {kMidGrey,    0.4,   false,  false, "ELLIPTIC",     8, true},
      {kLoadRed,    0.53,  false,  false, "LOAD",         1, true},
      {kOrange,     0.53,  false,  false, "LOCALLIFT",    30, true},
      {kMidGreen,   0.53,  false,  false, "NP",           3, true},
      {kMidBlue,    0.53,  false,  false, "CGMARGIN",     5, true},
      {kBlack,      0.25,  false,  true,  "CUT",          7, false},
      {kBlue,       0.25,  false,  false, "LABEL",        5, false},
      {kGrey,       0.2,   false,  false, "STOCK",        8, false},
      {kRibBrown,   0.1,   false,  false, "RIBS",         32, false},
      {kNavy,       2,     false,  false, "GLYPH",        5, true},
      {kRed,        1.67,  false,  false, "GLYPH",        1, true},
      {kBlue,       1.67,  false,  false, "GLYPH",        5, true},
      {kDarkRed,    2.5,   false,  false, "GLYPH",        1, true},
      {kBlack,      1,     false,  false, "GLYPH",        7, true},
      {kShadow,     1,     false,  false, "GLYPH",        8, true},
      {kDarkGreen,  1,     false,  false, "GLYPH",        3, true}};
  // clang-format on
  return kPens[static_cast<int>(role)];
}

void Drawing::dot(Role role, wing::Point centre, double radius) {
  constexpr int kSides = 32;
  Polyline round{role, {}, true, penOf(role).colour};
  for (int i = 0; i < kSides; ++i) {
    const double angle = 2 * std::numbers::pi * i / kSides;
    round.points.push_back(
        {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
  }
  lines.push_back(std::move(round));
}

Bounds boundsOf(const Drawing& drawing) {
  constexpr double kFar = std::numeric_limits<double>::infinity();
  Bounds b{{kFar, kFar}, {-kFar, -kFar}};
  for (const Polyline& line : drawing.lines) {
    for (const wing::Point& p : line.points) {
      b = {{std::min(b.min.x, p.x), std::min(b.min.y, p.y)},
           {std::max(b.max.x, p.x), std::max(b.max.y, p.y)}};
    }
  }
  return b;
}

bool isFinite(const Drawing& drawing) {
  const auto finite = [](wing::Point p) { return std::isfinite(p.x) && std::isfinite(p.y); };
  return std::ranges::all_of(
             drawing.lines,
             [&](const Polyline& l) { return std::ranges::all_of(l.points, finite); }) &&
         std::ranges::all_of(drawing.texts,
                             [&](const Text& t) { return finite(t.at) && t.points > 0; });
}

}  // namespace tavelor::plot

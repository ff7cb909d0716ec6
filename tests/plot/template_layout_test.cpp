#include "plot/template_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "plot/outline_drawing.h"
#include "plot/rib_sheet.h"
#include "rib/rib.h"
#include "wing/wing.h"

namespace tavelor::plot {
namespace {

std::vector<Polyline> linesOf(const Drawing& drawing, Role role) {
  std::vector<Polyline> lines;
  for (const Polyline& line : drawing.lines) {
    if (line.role == role) lines.push_back(line);
  }
  return lines;
}

TemplateDrawing drawingOf(std::vector<wing::Panel> panels) {
  const auto outcome = wing::computeWing({std::move(panels), 25, 500});
  return templateDrawing(wing::wingGeometry(*outcome.results));
}

// A4 less 10 mm margins is 190 x 277 mm, overlapping by 10. The extent is the wing and its marks
// with a border of 5 mm (the root axis's overrun left out); the grid's slack around it is shared
// out evenly, unless a place elsewhere leaves pages without any part of the wing.
TEST(TemplateLayout, CutsTheDrawingIntoPages) {
  const struct {
    const char* why;
    std::vector<wing::Panel> panels;
    int rows, columns;
    std::size_t tiles;
    wing::Point last;                                // the last tile's origin
    double width = 190, height = 277, overlap = 10;  // of the printable area
  } cases[] = {
      {"fits on one page, exactly", {{200, 150, 180, 20}}, 1, 1, 1, {-5, -38.5}},
      {"a hair wider than a page", {{200, 150, 180.01, 20}}, 1, 2, 2, {85.005, -38.5}},
      {"small pages, wide overlap", {{200, 150, 150, 20}}, 2, 2, 4, {65, 90}, 100, 120, 20},
      // Pushed to the bottom of its two rows, the tip's half of the leading edge leaves the first.
      {"1.8 m half-wing", {{300, 250, 800, 30}, {250, 150, 1000, 150}}, 2, 10, 15, {1615, 28}}};
  for (const auto& c : cases) {
    const TemplateTiling tiling = tileTemplate(drawingOf(c.panels), c.width, c.height, c.overlap);
    EXPECT_EQ(tiling.rows, c.rows) << c.why;
    EXPECT_EQ(tiling.columns, c.columns) << c.why;
    EXPECT_EQ(tiling.tiles.size(), c.tiles) << c.why;
    ASSERT_FALSE(tiling.tiles.empty()) << c.why;
    EXPECT_NEAR(tiling.tiles.back().origin.x, c.last.x, 1e-9) << c.why;
    EXPECT_NEAR(tiling.tiles.back().origin.y, c.last.y, 1e-9) << c.why;
  }
}

TEST(TemplateLayout, RefusesWhatCannotBePrinted) {
  const TemplateDrawing small = drawingOf({{200, 150, 150, 20}});
  EXPECT_THROW(tileTemplate(small, 10, 277, 10), PageError);  // no room beyond the overlap
  // The largest wing the calculation takes, 100 m by 100 m: hundreds of thousands of pages.
  EXPECT_THROW(tileTemplate(drawingOf({{1e5, 1e5, 1e5, 0}}), 190, 277, 10), PageError);
}

// The template at full size marks the CG with the cross, and each rib with the line, the cut
// files carry; every rib's name is printed on a page.
TEST(TemplateLayout, MarksTheCentringPointAndRibsAsTheCutFilesDo) {
  const auto outcome = wing::computeWing({{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 1500});
  const wing::WingGeometry geometry = wing::wingGeometry(*outcome.results);
  const RibLines ribs{{"R1", 0, 0, 250}, {"R2", 550, 25, 150}};
  for (const Role role : {Role::CentringMark, Role::Rib}) {  // two of each
    const auto printed = linesOf(templateDrawing(geometry, ribs).drawing, role);
    const auto cut = linesOf(outlineDrawing(geometry, ribs), role);
    ASSERT_EQ(printed.size(), 2u);
    ASSERT_EQ(cut.size(), 2u);
    for (std::size_t i = 0; i < 4; ++i) {
      EXPECT_NEAR(printed[i / 2].points[i % 2].x, cut[i / 2].points[i % 2].x, 1e-6);
      EXPECT_NEAR(printed[i / 2].points[i % 2].y, cut[i / 2].points[i % 2].y, 1e-6);
    }
  }
  std::multiset<std::string> names;
  for (const Drawing& page :
       templatePages(templateDrawing(geometry, ribs), {"W", ""}, {10, 10, 190, 277})) {
    for (const Text& text : page.texts) names.insert(text.text);
  }
  EXPECT_GE(names.count("R1") * names.count("R2"), 2u);  // on the overview and a tile, at least
}

// The rib sheets tile as the template does: laid together, the pages give back every point of
// every rib contour at 1:1, and every rib's name.
TEST(TemplateLayout, RibSheetPagesReassembleTheSheetsAtFullSize) {
  const auto outcome = wing::computeWing({{{250, 200, 400, 0}, {200, 100, 300, 50}}, 30, 1500});
  const auto sheets = ribSheetDrawing(
      rib::wingRibs(wing::wingGeometry(*outcome.results), rib::defaultRibSettings()), 100, 500);
  ASSERT_TRUE(sheets);
  const TemplateDrawing drawing = fullSizeDrawing(*sheets);
  const MmRect printable{10, 10, 190, 277};
  const TemplateTiling tiling = tileTemplate(drawing, 190, 277, kTemplateOverlap);
  const std::vector<Drawing> pages = templatePages(drawing, {"W", ""}, printable);
  ASSERT_EQ(pages.size(), tiling.tiles.size() + 1);
  std::set<std::pair<long, long>> printed;  // in µm of the sheets, where their points lie
  std::multiset<std::string> names;
  const auto key = [](wing::Point p) {
    return std::pair{std::lround(p.x * 1e6), std::lround(p.y * 1e6)};
  };
  for (std::size_t i = 0; i < tiling.tiles.size(); ++i) {
    const wing::Point at = tiling.tiles[i].origin;
    for (const Polyline& line : linesOf(pages[i + 1], Role::RibContour)) {
      for (const wing::Point& p : line.points) {
        printed.insert(key({p.x - printable.left + at.x, p.y - printable.top + at.y}));
      }
    }
    for (const Text& text : pages[i + 1].texts) names.insert(text.text);
  }
  std::size_t ribs = 0;
  for (const Polyline& line : linesOf(*sheets, Role::RibContour)) {
    ++ribs;
    for (const wing::Point& p : line.points) ASSERT_TRUE(printed.contains(key(p)));
  }
  EXPECT_EQ(ribs, 13u);
  for (const Text& text : sheets->texts) EXPECT_GE(names.count(text.text), 1u) << text.text;
}

}  // namespace
}  // namespace tavelor::plot

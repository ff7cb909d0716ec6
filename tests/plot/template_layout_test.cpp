#include "plot/template_layout.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "wing/wing.h"

namespace tavelor::plot {
namespace {

TemplateDrawing drawingOf(std::vector<wing::Panel> panels) {
  const auto outcome = wing::computeWing({std::move(panels), 25, 500});
  return templateDrawing(wing::wingGeometry(*outcome.results));
}

// A4 less 10 mm margins is 190 x 277 mm, overlapping by 10. A root chord of 200 mm and a half
// span of s give an extent of (s + 10) x 250 mm, starting 5 mm ahead of the root axis, itself
// 20 mm ahead of the root leading edge: the first tile's origin is (-5, -25), the one-page case's.
TEST(TemplateLayout, CutsTheDrawingIntoPages) {
  const std::vector<wing::Panel> halfWing1800{{300, 250, 800, 30}, {250, 150, 1000, 150}};
  const struct {
    const char* why;
    std::vector<wing::Panel> panels;
    double width, height, overlap;  // of the printable area
    int rows, columns;
    wing::Point last;  // the last tile's origin
  } cases[] = {
      {"fits on one page, exactly", {{200, 150, 180, 20}}, 190, 277, 10, 1, 1, {-5, -25}},
      {"a hair wider than a page", {{200, 150, 180.01, 20}}, 190, 277, 10, 1, 2, {175, -25}},
      {"small pages, wide overlap", {{200, 150, 150, 20}}, 100, 120, 20, 3, 2, {75, 175}},
      {"1.8 m half-wing", halfWing1800, 190, 277, 10, 2, 10, {1615, 242}}};
  for (const auto& c : cases) {
    const TemplateTiling tiling = tileTemplate(drawingOf(c.panels), c.width, c.height, c.overlap);
    EXPECT_EQ(tiling.rows, c.rows) << c.why;
    EXPECT_EQ(tiling.columns, c.columns) << c.why;
    // Every tile holds part of these wings (the end-to-end run's template leaves empty ones out);
    // the last at its origin.
    EXPECT_EQ(tiling.tiles.size(), static_cast<std::size_t>(c.rows * c.columns)) << c.why;
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

}  // namespace
}  // namespace tavelor::plot

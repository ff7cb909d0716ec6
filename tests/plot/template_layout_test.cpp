#include "plot/template_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "wing/wing.h"

namespace tavelor::plot {
namespace {

TemplateDrawing drawingOf(std::vector<wing::Panel> panels) {
  const auto outcome = wing::computeWing({std::move(panels), 25, 500});
  return templateDrawing(wing::wingGeometry(*outcome.results));
}

struct Paper {
  double width, height, overlap;  // the printable area and the overlap
};
constexpr Paper kA4{190, 277, 10};  // less 10 mm margins
constexpr Paper kSmall{100, 120, 20};

struct TilingCase {
  const char* why;
  std::vector<wing::Panel> panels;
  Paper paper;
  int rows, columns;
  std::vector<std::pair<int, int>> dropped;  // row, column
  wing::Point last;                          // the last kept tile's origin
};

class Tiling : public ::testing::TestWithParam<TilingCase> {};

TEST_P(Tiling, CutsTheDrawingIntoPages) {
  const TilingCase& c = GetParam();
  const TemplateTiling tiling =
      tileTemplate(drawingOf(c.panels), c.paper.width, c.paper.height, c.paper.overlap);
  EXPECT_EQ(tiling.rows, c.rows) << c.why;
  EXPECT_EQ(tiling.columns, c.columns) << c.why;
  std::vector<std::pair<int, int>> kept, expected;
  for (const TemplateTile& t : tiling.tiles) kept.emplace_back(t.row, t.column);
  for (int r = 0; r < c.rows; ++r) {
    for (int col = 0; col < c.columns; ++col) {
      if (std::find(c.dropped.begin(), c.dropped.end(), std::pair{r, col}) == c.dropped.end()) {
        expected.emplace_back(r, col);
      }
    }
  }
  EXPECT_EQ(kept, expected) << c.why;
  ASSERT_FALSE(tiling.tiles.empty());
  // The extent starts 5 mm ahead of the root axis, which starts 20 mm ahead of the root LE.
  EXPECT_NEAR(tiling.tiles.front().origin.x, -5, 1e-9) << c.why;
  EXPECT_NEAR(tiling.tiles.front().origin.y, -25, 1e-9) << c.why;
  EXPECT_NEAR(tiling.tiles.back().origin.x, c.last.x, 1e-9) << c.why;
  EXPECT_NEAR(tiling.tiles.back().origin.y, c.last.y, 1e-9) << c.why;
}

// A root chord of 200 mm and a half span of s give an extent of (s + 10) x 250 mm.
INSTANTIATE_TEST_SUITE_P(
    TemplateLayout, Tiling,
    ::testing::Values(
        TilingCase{"fits on one page, exactly", {{200, 150, 180, 20}}, kA4, 1, 1, {}, {-5, -25}},
        TilingCase{"a hair wider than a page", {{200, 150, 180.01, 20}}, kA4, 1, 2, {}, {175, -25}},
        TilingCase{"small pages, wide overlap", {{200, 150, 150, 20}}, kSmall, 3, 2, {}, {75, 175}},
        // The leading edge drops 400 mm over 600: the top row's last page holds nothing.
        TilingCase{
            "swept back, one page empty", {{200, 100, 600, 400}}, kA4, 2, 4, {{0, 3}}, {535, 242}},
        TilingCase{"1.8 m half-wing",
                   {{300, 250, 800, 30}, {250, 150, 1000, 150}},
                   kA4,
                   2,
                   10,
                   {},
                   {1615, 242}}));

TEST(TemplateLayout, RefusesWhatCannotBePrinted) {
  const TemplateDrawing small = drawingOf({{200, 150, 150, 20}});
  EXPECT_THROW(tileTemplate(small, 10, 277, 10), PageError);  // no room beyond the overlap
  // A kilometre of wing: thousands of pages, counted without overflowing.
  EXPECT_THROW(tileTemplate(drawingOf({{2e6, 2e6, 1e9, 0}}), 190, 277, 10), PageError);
}

}  // namespace
}  // namespace tavelor::plot

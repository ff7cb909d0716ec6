#include "plot/stability_pictures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tavelor::plot {
namespace {

double lengthOf(const std::vector<wing::Point>& p) {
  double length = 0;
  for (std::size_t i = 1; i < p.size(); ++i)
    length += std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y);
  return length;
}

// The elliptic load's dashes keep their length over the curve's corners; the peak is the tip's.
TEST(StabilityPictures, DashesTheEllipticLoadEvenly) {
  const auto figure = spanLoadFigure({{0, 1.2, 0.9}, {500, 0.8, 1.1}}, 500, {{0, 0}, {400, 200}});
  ASSERT_TRUE(figure);
  std::vector<Polyline> dashes = figure->drawing.lines;
  std::erase_if(dashes, [](const Polyline& line) { return line.role != Role::EllipticLoad; });
  ASSERT_GT(dashes.size(), 40u);
  for (std::size_t i = 0; i + 1 < dashes.size(); ++i) {
    EXPECT_NEAR(lengthOf(dashes[i].points), 7.5 * kScreenPixel, 1e-9) << i;
    const wing::Point end = dashes[i].points.back(), next = dashes[i + 1].points.front();
    EXPECT_NEAR(std::hypot(next.x - end.x, next.y - end.y), 1.5 * kScreenPixel, 0.01) << i;
  }
  EXPECT_TRUE(figure->peak.x == 400 && figure->remarkOnLeft);
}

}  // namespace
}  // namespace tavelor::plot

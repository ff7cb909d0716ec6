#include "rib/rib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "rib/airfoil.h"
#include "rib/rib_record.h"

namespace tavelor::rib {
namespace {

using wing::Point;

// The published four-digit half thickness, closed trailing edge.
double halfThickness(double t, double x) {
  return 5 * t *
         (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * std::pow(x, 3) -
          0.1036 * std::pow(x, 4));
}

// The y where the upper (or lower) surface of points crosses x.
double surfaceAt(const std::vector<Point>& points, double x, bool upper) {
  const auto nose = std::ranges::min_element(points, {}, &Point::x) - points.begin();
  const std::size_t from = upper ? 0 : static_cast<std::size_t>(nose);
  const std::size_t to = upper ? static_cast<std::size_t>(nose) : points.size() - 1;
  for (std::size_t i = from; i < to; ++i) {
    const Point a = points[i], b = points[i + 1];
    if ((a.x - x) * (b.x - x) <= 0 && a.x != b.x)
      return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
  }
  return NAN;
}

TEST(Naca, FollowsItsEquations) {
  const Airfoil symmetric = *nacaAirfoil("NACA 0012"), cambered = *nacaAirfoil("naca2412");
  EXPECT_NEAR(surfaceAt(symmetric.points, 0.3, true), halfThickness(0.12, 0.3), 1e-4);
  EXPECT_NEAR(surfaceAt(symmetric.points, 0.3, false), -halfThickness(0.12, 0.3), 1e-4);
  // At the highest camber (2 % at 40 %) the thickness stands straight up from the camber line.
  EXPECT_NEAR(surfaceAt(cambered.points, 0.4, true), 0.02 + halfThickness(0.12, 0.4), 1e-4);
  EXPECT_NEAR(surfaceAt(cambered.points, 0.4, false), 0.02 - halfThickness(0.12, 0.4), 1e-4);
  EXPECT_EQ(cambered.points.front(), cambered.points.back());  // the trailing edge is closed
  for (const char* wrong : {"NACA 24120", "2412a", "NACA 0000", "NACA 2012", ""}) {
    EXPECT_FALSE(nacaAirfoil(wrong)) << wrong;
  }
}

// An airfoil file of the first layout from points, each line as `format` writes it.
std::string seligText(const std::vector<Point>& points, double scale = 1, const char* gap = " ") {
  std::string text = "Test foil\n";
  for (const Point& p : points) {
    text += std::to_string(p.x * scale) + gap + std::to_string(p.y * scale) + "\n";
  }
  return text;
}

TEST(AirfoilFile, ReadsBothLayoutsAndRefusesFaults) {
  const auto naca = nacaAirfoil("0012")->points;
  const std::vector<Point> upper(naca.rbegin() + 80, naca.rend()),
      lower(naca.begin() + 80, naca.end());
  std::string counted = "Test foil\n81 81\n\n";
  for (const auto* surface : {&upper, &lower}) {
    for (const Point& p : *surface)
      counted += std::to_string(p.x) + " " + std::to_string(p.y) + "\n";
    counted += "\n";
  }
  std::vector<Point> few(naca.begin(), naca.begin() + 9), folded = naca, wide = naca, tall = naca;
  folded[5].x = 1.0;
  wide[3].x = 1.2;
  tall[90].y = -20;
  const struct {
    std::string text, error;
  } cases[] = {
      {seligText(naca), ""},
      {counted, ""},
      {seligText(naca, 100), ""},
      {"\xEF\xBB\xBF" + seligText(naca, 1, "\t\t"), ""},
      {seligText(naca) + "\r\n\r\n", ""},
      {seligText(few), "f.dat, line 10: fewer than 10 points"},
      {seligText(naca) + "0.5 0.1 0.2\n", "f.dat, line 163: not a pair of numbers"},
      {seligText(naca) + "nose\n", "f.dat, line 163: not a pair of numbers"},
      {seligText(wide), "f.dat, line 5: x lies far outside 0 to 1"},
      {seligText(folded), "f.dat, line 7: the surface folds back"},
      {seligText(tall), "f.dat, line 92: y lies far outside -1 to 1"},
      {seligText(std::vector<Point>(12, {0.5, 0})), "f.dat, line 13: the points span no chord"},
  };
  for (const auto& [text, error] : cases) {
    const AirfoilReading read = readAirfoil(text, "f.dat");
    EXPECT_EQ(read.error, error) << text.substr(0, 40);
    if (!error.empty()) continue;
    ASSERT_TRUE(read.airfoil);
    EXPECT_EQ(read.airfoil->name, "Test foil");
    ASSERT_EQ(read.airfoil->points.size(), naca.size());
    for (std::size_t i = 0; i < naca.size(); ++i) {
      EXPECT_NEAR(read.airfoil->points[i].x, naca[i].x, 1e-6);
      EXPECT_NEAR(read.airfoil->points[i].y, naca[i].y, 1e-6);
    }
  }
}

double distanceToContour(Point p, const std::vector<Point>& contour) {
  double best = INFINITY;
  for (std::size_t i = 0; i < contour.size(); ++i) {
    const Point a = contour[i], b = contour[(i + 1) % contour.size()];
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double s =
        std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    best = std::min(best, std::hypot(p.x - a.x - s * dx, p.y - a.y - s * dy));
  }
  return best;
}

TEST(RibContour, KeepsSizeSheetingNotchesAndTwist) {
  const Airfoil foil = resampled(*nacaAirfoil("NACA 0012"));
  RibSettings plain;
  const auto bare = ribContour(foil, 200, 0, plain);
  const auto [left, right] = std::ranges::minmax_element(bare, {}, &Point::x);
  EXPECT_NEAR(right->x - left->x, 200, 0.05);
  EXPECT_NEAR(surfaceAt(bare, 60, true) - surfaceAt(bare, 60, false),
              400 * halfThickness(0.12, 0.3), 0.05);

  RibSettings built;
  built.sheetTop = built.sheetBottom = 1.5;
  built.sheetToPercent = 50;
  const auto sheeted = ribContour(foil, 200, 0, built);
  EXPECT_NEAR(surfaceAt(bare, 60, true) - surfaceAt(sheeted, 60, true), 1.5, 0.01);  // inward
  EXPECT_NEAR(surfaceAt(sheeted, 60, false) - surfaceAt(bare, 60, false), 1.5, 0.01);
  for (const Point& p : sheeted) {
    const double off = distanceToContour(p, bare);
    ASSERT_TRUE(p.x < 5 || p.x > 95 || std::abs(off - 1.5) < 0.01) << p.x;
    ASSERT_TRUE(p.x <= 105 || off < 1e-9) << p.x;  // no sheeting aft of it
  }

  built.sheetToPercent = 100;  // the sheeting meets before the trailing edge: the rib ends there
  const auto full = ribContour(foil, 200, 0, built);
  const double tail = std::ranges::max_element(full, {}, &Point::x)->x;
  EXPECT_LT(tail, 195);
  EXPECT_GT(surfaceAt(full, tail - 1, true), surfaceAt(full, tail - 1, false));

  built = {};
  built.spars = {{30, 6, 4, SparSide::Top}, {60, 3, 2, SparSide::Both}};
  built.leadingEdgeStock = 5;
  built.trailingEdgePercent = 90;
  const auto notched = ribContour(foil, 200, 0, built);
  const auto [front, back] = std::ranges::minmax_element(notched, {}, &Point::x);
  EXPECT_NEAR(front->x, 5, 1e-9);
  EXPECT_NEAR(back->x, 180, 1e-9);
  const auto highestIn = [&](double from, double to, bool upper) {
    double y = upper ? -INFINITY : INFINITY;
    for (const Point& p : notched) {
      if (p.x > from && p.x < to) y = upper ? std::max(y, p.y) : std::min(y, p.y);
    }
    return y;
  };
  EXPECT_NEAR(highestIn(57, 63, true), surfaceAt(bare, 60, true) - 4, 1e-3);
  EXPECT_NEAR(highestIn(118.5, 121.5, true), surfaceAt(bare, 120, true) - 2, 1e-3);
  EXPECT_NEAR(highestIn(118.5, 121.5, false), surfaceAt(bare, 120, false) + 2, 1e-3);

  // Notches that meet cut the rib in two, and give none; a little less leaves it whole.
  for (const auto& [depth, side, whole] : {std::tuple{11.8, SparSide::Both, true},
                                           {12.2, SparSide::Both, false},
                                           {23.8, SparSide::Top, true},
                                           {24.2, SparSide::Bottom, false}}) {
    built.spars = {{30, 6, depth, side}};
    EXPECT_EQ(ribContour(foil, 200, 0, built).empty(), !whole) << depth;
  }

  built = {};
  const auto twisted = ribContour(foil, 200, 3, built);
  const auto nose = std::ranges::min_element(bare, {}, &Point::x) - bare.begin();
  EXPECT_NEAR(twisted[nose].y, -50 * std::sin(3 * M_PI / 180), 1e-9);  // nose down about 25 %
  EXPECT_NEAR(twisted[nose].x, 50 - 50 * std::cos(3 * M_PI / 180), 1e-9);
}

TEST(RibStations, RootJointsTipAndEvenlyWithin) {
  wing::WingGeometry geometry;
  geometry.panels = {{{0, 0}, {130, 0}, {130, 200}, {0, 250}},
                     {{130, 10}, {190, 20}, {190, 120}, {130, 200}}};
  const auto stations = ribStations(geometry, 60);
  EXPECT_EQ(stations, (std::vector<double>{0, 130.0 / 3, 260.0 / 3, 130, 190}));
  const auto ribs = wingRibs(geometry, defaultRibSettings());
  ASSERT_EQ(ribs.size(), 5u);
  EXPECT_NEAR(ribs[3].chord, 200, 1e-9);  // the joint's rib is the inner panel's tip
  EXPECT_NEAR(ribs[4].chord, 100, 1e-9);
  EXPECT_NEAR(ribs[4].leadingEdge, 20, 1e-9);
}

TEST(RibRecord, RoundTripsAndRefusesDamage) {
  RibSettings settings = defaultRibSettings();
  settings.tip = *nacaAirfoil("0009");
  settings.tip.points[3] = {0.1 + 1e-15, -1.0 / 3};
  settings.spars = {{30, 6, 4, SparSide::Both}, {65.5, 3, 2, SparSide::Bottom}};
  settings.washoutDegrees = 2.5;
  auto lines = ribRecordLines(settings);
  EXPECT_EQ(lines[10], "2");
  EXPECT_EQ(lines[11], "30 6 4 TB");
  EXPECT_EQ(ribSettingsOf(lines), settings);
  const std::pair<int, const char*> damage[] = {{0, "0.5"},  {10, "4"},      {11, "30 6 4 X"},
                                                {12, "1 2"}, {14, "200000"}, {20, "0.5 nan"}};
  for (const auto& [at, text] : damage) {
    auto damaged = lines;
    damaged[at] = text;
    EXPECT_FALSE(ribSettingsOf(damaged)) << at;
  }
  lines.pop_back();
  EXPECT_FALSE(ribSettingsOf(lines));
}

}  // namespace
}  // namespace tavelor::rib

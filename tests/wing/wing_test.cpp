// The wing against the definition of the mean aerodynamic chord, on random wings: its length is
// the integral of c² over the integral of c, its station the area centroid, its leading edge the
// chord-weighted mean of the leading-edge line. Closed forms per trapezoid, independent of the
// merge the calculation does.
#include "wing/wing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "wing/geometry.h"

namespace tavelor::wing {
namespace {

TEST(Wing, MergedPanelsMatchTheIntegralsOfRandomWings) {
  std::mt19937_64 random(20240611);
  const auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  for (int n = 0; n < 400; ++n) {
    WingInputs in{{}, 0, 1000};
    const int panels = std::uniform_int_distribution<int>(1, kMaxPanels)(random);
    // Along t = 0..1 of each panel: c = cr + dc t, y = y0 + l t, x_le = x0 + dx t.
    double root = uniform(50, 400), s = 0, a = 0, c2 = 0, m = 0, lm = 0, x0 = 0;
    for (int i = 0; i < panels; ++i) {
      const double tip = uniform(0, 1) < 0.2 ? root : uniform(20, 400);  // some rectangular
      const double l = uniform(10, 600), sweep = uniform(-200, 300);
      if (i > 0 && uniform(0, 1) < 0.2) root = uniform(20, 400);  // some stepped chords
      in.panels.push_back({root, tip, l, sweep});
      const double dc = tip - root, dx = sweep - x0;
      a += l * (root + dc / 2);
      c2 += l * (root * root + root * dc + dc * dc / 3);
      m += l * (root * s + (root * l + dc * s) / 2 + dc * l / 3);
      lm += l * (root * x0 + (root * dx + dc * x0) / 2 + dc * dx / 3);
      s += l;
      x0 = sweep, root = tip;
    }
    // A centring of 0 must not be divided by.
    for (const double percent : {uniform(5, 95), 0.0}) {
      in.centringPercent = percent;
      const auto out = computeWing(in);
      ASSERT_TRUE(out.results);
      const WingResults& r = *out.results;
      const double mac = c2 / a, lead = lm / a, scale = std::max(std::abs(lead), mac);
      SCOPED_TRACE("wing " + std::to_string(n) + " centring " + std::to_string(percent));
      EXPECT_NEAR(r.macLength, mac, 1e-9 * mac);
      EXPECT_NEAR(r.macStation, m / a, 1e-9 * m / a);
      EXPECT_NEAR(r.macLeadingEdge, lead, 1e-9 * scale);
      EXPECT_NEAR(r.centring, lead + mac * percent / 100, 1e-9 * scale);
    }
    // The outline's leading edges lie where the calculation puts them, stepped chords included.
    const WingGeometry g = wingGeometry(*computeWing(in).results);
    for (std::size_t i = 1; i < in.panels.size(); ++i) {
      EXPECT_EQ(g.panels[i].rootLeadingEdge.y, in.panels[i - 1].sweep);
    }
  }
}

}  // namespace
}  // namespace tavelor::wing

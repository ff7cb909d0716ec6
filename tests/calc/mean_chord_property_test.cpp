// Random wings against the definition of the mean aerodynamic chord: its length is the integral
// of c² over the integral of c, its station the area centroid, its leading edge the chord-weighted
// mean of the leading-edge line. Closed forms per trapezoid, independent of the merge.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calc/calculate.h"
#include "support/fake_window.h"
#include "support/language_folder.h"

namespace tavelor::calc {
namespace {

// Shortest fixed text that reads back as the same double.
std::string text(double value, char mark) {
  char buffer[64];
  std::string s(buffer, std::to_chars(buffer, buffer + 64, value, std::chars_format::fixed).ptr);
  std::replace(s.begin(), s.end(), '.', mark);
  return s;
}

TEST(MeanChordProperty, MergedPanelsMatchTheIntegralsOfRandomWings) {
  std::mt19937_64 random(20240611);
  const auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  const auto near = [](double actual, double expected, double scale) {
    return std::abs(actual - expected) <= 1e-9 * scale;
  };
  tavelor::testing::LanguageFolder language;

  for (int wing = 0; wing < 400; ++wing) {
    const char mark = wing % 2 == 0 ? '.' : ',';
    tavelor::testing::FakeInputWindow window;
    window.mark = std::string(1, mark);
    WingState state;
    const int panels = std::uniform_int_distribution<int>(1, kPanels)(random);
    // Integrals along t = 0..1 of each panel: c = cr + dc t, y = y0 + l t, x_le = x0 + dx t.
    std::vector<double> span, area, chordSquare, moment, leadMoment;
    double root = uniform(50, 400), s = 0, a = 0, c2 = 0, m = 0, lm = 0, x0 = 0;
    for (int i = 0; i < panels; ++i) {
      const double tip = uniform(0, 1) < 0.2 ? root : uniform(20, 400);  // some rectangular
      const double l = uniform(10, 600), sweep = uniform(-200, 300);
      window.setPanel(i, text(root, mark), text(tip, mark), text(l, mark), text(sweep, mark));
      const double dc = tip - root, dx = sweep - x0;
      a += l * (root + dc / 2);
      c2 += l * (root * root + root * dc + dc * dc / 3);
      m += l * (root * s + (root * l + dc * s) / 2 + dc * l / 3);
      lm += l * (root * x0 + (root * dx + dc * x0) / 2 + dc * dx / 3);
      s += l;
      x0 = sweep, root = tip;
      span.push_back(s), area.push_back(a), chordSquare.push_back(c2), moment.push_back(m);
      leadMoment.push_back(lm);
    }
    // "0,0" passes the checks; the merge must not divide by it.
    for (const double percent : {uniform(5, 95), 0.0}) {
      const std::string centringText = percent == 0 ? "0,0" : text(percent, mark);
      window.setFieldText(Field::Cg, 0, centringText);
      ASSERT_TRUE(calculate(state, window, *language)) << centringText;
      // Index i holds panels 0..i merged, so every prefix of the wing is a wing of its own.
      for (std::size_t i = 0; i < span.size(); ++i) {
        const double mac = chordSquare[i] / area[i], lead = leadMoment[i] / area[i];
        const double chordScale = std::max(std::abs(lead), mac);
        SCOPED_TRACE("wing " + std::to_string(wing) + " index " + std::to_string(i) + " " +
                     centringText);
        EXPECT_TRUE(near(state.macLength[i], mac, mac));
        EXPECT_TRUE(near(state.macSpanPos[i], moment[i] / area[i], moment[i] / area[i]));
        EXPECT_TRUE(near(state.macLeadPos[i], lead, chordScale));
        EXPECT_TRUE(near(state.centringPos[i], lead + mac * percent / 100, chordScale));
        EXPECT_TRUE(near(state.areaUpTo[i] * 10000, area[i], area[i]));
        EXPECT_EQ(state.spanUpTo[i], span[i]);
      }
      EXPECT_TRUE(near(state.aspectRatio, 2 * s * s / a, 2 * s * s / a));
    }
  }
}

}  // namespace
}  // namespace tavelor::calc

// Random wings checked against the definition of the mean aerodynamic chord: over the half-span,
// its length is the integral of c² over the integral of c, its station the area centroid and its
// leading edge the chord-weighted mean of the leading-edge line. The integrals are closed forms
// per trapezoid, independent of the merge that the calculation performs.
#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "calc/calculate.h"
#include "calc/inputs.h"
#include "support/fake_window.h"
#include "support/language_folder.h"

namespace tavelor::calc {
namespace {

struct Trapezoid {
  double root, tip, length, sweep;  // sweep: leading edge at the tip, from the root leading edge
};

struct Integrals {
  double span = 0;         // ∫ dy
  double area = 0;         // ∫ c dy
  double chordSquare = 0;  // ∫ c² dy
  double moment = 0;       // ∫ c y dy
  double leadMoment = 0;   // ∫ c x_le dy
};

// Integrals over panels 0..last; along a panel t runs 0..1, c = cr + dc t, y = y0 + L t,
// x_le = x0 + dx t.
Integrals integrate(const std::vector<Trapezoid>& panels, std::size_t last) {
  Integrals sum;
  double x0 = 0;
  for (std::size_t i = 0; i <= last; ++i) {
    const auto& p = panels[i];
    const double y0 = sum.span;
    const double cr = p.root, dc = p.tip - p.root, dx = p.sweep - x0, l = p.length;
    sum.area += l * (cr + dc / 2);
    sum.chordSquare += l * (cr * cr + cr * dc + dc * dc / 3);
    sum.moment += l * (cr * y0 + (cr * l + dc * y0) / 2 + dc * l / 3);
    sum.leadMoment += l * (cr * x0 + (cr * dx + dc * x0) / 2 + dc * dx / 3);
    sum.span += l;
    x0 = p.sweep;
  }
  return sum;
}

// Shortest fixed text that reads back as the same double.
std::string text(double value, char mark) {
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
  std::string result(buffer, end);
  std::replace(result.begin(), result.end(), '.', mark);
  return result;
}

double relativeError(double actual, double expected, double scale) {
  return std::abs(actual - expected) / scale;
}

TEST(MeanChordProperty, MergedPanelsMatchTheIntegralsOfRandomWings) {
  std::mt19937_64 random(20240611);
  const auto uniform = [&](double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(random);
  };
  constexpr double kTolerance = 1e-9;
  tavelor::testing::LanguageFolder language;

  for (int wing = 0; wing < 400; ++wing) {
    const int panelCount = std::uniform_int_distribution<int>(1, kPanels)(random);
    std::vector<Trapezoid> panels;
    double root = uniform(50, 400);
    for (int i = 0; i < panelCount; ++i) {
      // Some rectangular panels, to take the branch that avoids the chord difference.
      const double tip = uniform(0, 1) < 0.2 ? root : uniform(20, 400);
      panels.push_back({root, tip, uniform(10, 600), uniform(-200, 300)});
      root = tip;
    }
    const double centring = uniform(5, 95);
    const char mark = wing % 2 == 0 ? '.' : ',';

    tavelor::testing::FakeInputWindow window;
    window.mark = std::string(1, mark);
    WingState state;
    for (int i = 0; i < panelCount; ++i) {
      const auto& p = panels[static_cast<std::size_t>(i)];
      window.setPanel(i, text(p.root, mark), text(p.tip, mark), text(p.length, mark),
                      text(p.sweep, mark));
    }
    SCOPED_TRACE("wing " + std::to_string(wing) + ", panels " + std::to_string(panelCount));

    for (const std::string& centringText : {text(centring, mark), std::string("0,0")}) {
      window.setFieldText(Field::Cg, 0, centringText);
      ASSERT_TRUE(calculate(state, window, *language)) << centringText;
      ASSERT_EQ(state.lastPanel, panelCount - 1);
      const double percent = centringText == "0,0" ? 0 : centring;

      // Index i holds panels 0..i merged, so every prefix of the wing is a wing of its own.
      for (std::size_t i = 0; i < panels.size(); ++i) {
        const Integrals expected = integrate(panels, i);
        const double mac = expected.chordSquare / expected.area;
        const double station = expected.moment / expected.area;
        const double lead = expected.leadMoment / expected.area;
        SCOPED_TRACE("index " + std::to_string(i) + ", centring " + centringText);
        EXPECT_LE(relativeError(state.macLength[i], mac, mac), kTolerance);
        EXPECT_LE(relativeError(state.macSpanPos[i], station, station), kTolerance);
        // The leading edge may lie near the root's, so it is measured against the chord too.
        EXPECT_LE(relativeError(state.macLeadPos[i], lead, std::max(std::abs(lead), mac)),
                  kTolerance);
        EXPECT_LE(relativeError(state.centringPos[i], lead + mac * percent / 100,
                                std::max(std::abs(lead), mac)),
                  kTolerance);
        EXPECT_LE(relativeError(state.areaUpTo[i] * 10000, expected.area, expected.area),
                  kTolerance);
        EXPECT_EQ(state.spanUpTo[i], expected.span);
      }
      const Integrals whole = integrate(panels, panels.size() - 1);
      EXPECT_LE(relativeError(state.halfAreaMm2, whole.area, whole.area), kTolerance);
      EXPECT_LE(relativeError(state.aspectRatio, 2 * whole.span * whole.span / whole.area,
                              2 * whole.span * whole.span / whole.area),
                kTolerance);
    }
  }
}

}  // namespace
}  // namespace tavelor::calc

#include "wing/vortex_lattice.h"

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

namespace tavelor::wing {

namespace {

struct Vec {
  double x = 0, y = 0, z = 0;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec mirrored(Vec a) { return {a.x, -a.y, a.z}; }

constexpr double kFourPi = 4 * std::numbers::pi;
// A vortex's core radius as a share of its horseshoe's width: a point on a vortex line gets a
// finite velocity, and one outside the core the ideal vortex's.
constexpr double kCore = 1e-4;

// Every surface is horizontal, so only the vertical velocity (the upwash) counts. Each function
// gives that of a unit circulation at p; core2 is the squared core radius.

// A straight segment from a to b.
double segmentUpwash(Vec p, Vec a, Vec b, double core2) {
  const Vec r1 = p - a, r2 = p - b, r0 = b - a;
  const double n1 = std::sqrt(dot(r1, r1)), n2 = std::sqrt(dot(r2, r2));
  if (n1 == 0 || n2 == 0) return 0;
  const Vec c = cross(r1, r2);
  return c.z * (dot(r0, r1) / n1 - dot(r0, r2) / n2) /
         (kFourPi * (dot(c, c) + core2 * dot(r0, r0)));
}

// A leg from a straight aft to infinity.
double legUpwash(Vec p, Vec a, double core2) {
  const Vec r = p - a;
  const double n = std::sqrt(dot(r, r));
  if (n == 0) return 0;
  return r.y * (1 + r.x / n) / (kFourPi * (r.y * r.y + r.z * r.z + core2));
}

// A horseshoe from infinity to a, across to b (b to the right of a) and back to infinity.
double horseshoeUpwash(Vec p, Vec a, Vec b, double core2) {
  return segmentUpwash(p, a, b, core2) + legUpwash(p, b, core2) - legUpwash(p, a, core2);
}

struct Vortex {
  Vec a, b;  // the bound segment, root side first
  Vec control;
  std::size_t surface = 0, strip = 0;
};

// The cosine spacing over a half span, dense at the root and the tip: the station at an angle
// 0..π, and the angle at a station.
double stationAt(double angle, double halfSpan) { return halfSpan * (1 - std::cos(angle)) / 2; }
double angleAt(double y, double halfSpan) {
  return std::acos(std::clamp(1 - 2 * y / halfSpan, -1.0, 1.0));
}

double halfSpanOf(const LatticeSurface& s) { return s.panels.back().tipLeadingEdge.x; }

// Every surface's root, joints and tips, and between them each surface's own cosine cuts unless
// one lies within half its spacing of a cut already taken.
std::vector<double> spanCuts(const std::vector<LatticeSurface>& surfaces) {
  std::vector<double> edges{0};
  std::vector<std::pair<double, double>> spaced;  // position, spacing around it
  double widest = 0;
  for (const LatticeSurface& s : surfaces) {
    for (const PanelOutline& p : s.panels) edges.push_back(p.tipLeadingEdge.x);
    const double h = halfSpanOf(s);
    const int n = s.spanwiseStrips;
    const auto at = [&](int k) { return stationAt(std::numbers::pi * k / n, h); };
    for (int k = 1; k < n; ++k) {
      spaced.emplace_back(at(k), std::min(at(k) - at(k - 1), at(k + 1) - at(k)));
    }
    widest = std::max(widest, h);
  }
  std::ranges::sort(edges);
  std::vector<double> cuts;
  for (double e : edges) {
    if (cuts.empty() || e - cuts.back() > 1e-9 * widest) cuts.push_back(e);
  }
  std::ranges::sort(spaced);
  std::vector<double> inner;
  for (const auto& [at, spacing] : spaced) {
    const auto near = [at = at, spacing = spacing](double y) {
      return std::abs(y - at) < spacing / 2;
    };
    if (std::ranges::none_of(cuts, near) && (inner.empty() || !near(inner.back()))) {
      inner.push_back(at);
    }
  }
  cuts.insert(cuts.end(), inner.begin(), inner.end());
  std::ranges::sort(cuts);
  return cuts;
}

// The leading and trailing edges (chordwise, mm) of panel p at station y.
std::pair<double, double> edgesAt(const PanelOutline& p, double y) {
  const double t = (y - p.rootLeadingEdge.x) / (p.tipLeadingEdge.x - p.rootLeadingEdge.x);
  return {p.rootLeadingEdge.y + t * (p.tipLeadingEdge.y - p.rootLeadingEdge.y),
          p.rootTrailingEdge.y + t * (p.tipTrailingEdge.y - p.rootTrailingEdge.y)};
}

// Lays the lattice over every surface, strip by strip; fills each surface's strips' geometry.
std::vector<Vortex> layLattice(const std::vector<LatticeSurface>& surfaces,
                               std::vector<SurfaceLoad>& strips) {
  const std::vector<double> cuts = spanCuts(surfaces);
  std::vector<Vortex> lattice;
  for (std::size_t s = 0; s < surfaces.size(); ++s) {
    const LatticeSurface& surface = surfaces[s];
    const double tip = halfSpanOf(surface);
    const int n = surface.chordwisePanels;
    for (std::size_t k = 0; k + 1 < cuts.size() && cuts[k] < tip * (1 - 1e-9); ++k) {
      const double y0 = cuts[k], y1 = cuts[k + 1], ym = (y0 + y1) / 2;
      const auto panel = std::ranges::find_if(
          surface.panels, [&](const PanelOutline& p) { return ym <= p.tipLeadingEdge.x; });
      const auto [le0, te0] = edgesAt(*panel, y0);
      const auto [le1, te1] = edgesAt(*panel, y1);
      // The control point halfway between the cuts in the angle of the cosine spacing, which
      // makes the lattice's lift converge much faster than the strip's middle does.
      const double yc = stationAt((angleAt(y0, tip) + angleAt(y1, tip)) / 2, tip);
      const auto [lem, tem] = edgesAt(*panel, ym);
      const auto [lec, tec] = edgesAt(*panel, yc);
      const double x = surface.chordOffset, z = surface.height;
      for (int j = 0; j < n; ++j) {
        const double bound = (j + 0.25) / n, control = (j + 0.75) / n;
        lattice.push_back({{x + le0 + bound * (te0 - le0), y0, z},
                           {x + le1 + bound * (te1 - le1), y1, z},
                           {x + lec + control * (tec - lec), yc, z},
                           s,
                           strips[s].size()});
      }
      strips[s].push_back({ym, y1 - y0, tem - lem, 0, 0});
    }
  }
  return lattice;
}

// Adds the loads of the first vortices, of circulations gamma, to their strips.
void addLoads(const std::vector<Vortex>& lattice, const Eigen::VectorXd& gamma,
              std::vector<SurfaceLoad>& strips) {
  for (Eigen::Index i = 0; i < gamma.size(); ++i) {
    const Vortex& v = lattice[static_cast<std::size_t>(i)];
    StripLoad& strip = strips[v.surface][v.strip];
    strip.lift += gamma[i];
    strip.moment += gamma[i] * (v.a.x + v.b.x) / 2;
  }
}

}  // namespace

LatticeLoads solveLattice(const std::vector<LatticeSurface>& surfaces) {
  std::vector<SurfaceLoad> strips(surfaces.size());
  const std::vector<Vortex> lattice = layLattice(surfaces, strips);
  const auto n = static_cast<Eigen::Index>(lattice.size());
  // The upwash at each control point from each horseshoe and its mirror image on the other half.
  Eigen::MatrixXd influence(n, n);
  for (Eigen::Index j = 0; j < n; ++j) {
    const Vortex& v = lattice[static_cast<std::size_t>(j)];
    const double core = kCore * (v.b.y - v.a.y);
    const Vec a = v.a, b = v.b, ma = mirrored(v.b), mb = mirrored(v.a);
    for (Eigen::Index i = 0; i < n; ++i) {
      const Vec p = lattice[static_cast<std::size_t>(i)].control;
      influence(i, j) =
          horseshoeUpwash(p, a, b, core * core) + horseshoeUpwash(p, ma, mb, core * core);
    }
  }
  // The lattice cancels the free stream's upwash through each surface at a unit angle of
  // attack. The first surface's own block is factorised once: it gives that surface alone, and
  // through its complement (the other surfaces' smaller block) all of them together.
  const auto first = static_cast<Eigen::Index>(
      std::ranges::count_if(lattice, [](const Vortex& v) { return v.surface == 0; }));
  const auto rest = n - first;
  const Eigen::VectorXd upwash = Eigen::VectorXd::Constant(n, -1);
  const Eigen::PartialPivLU<Eigen::MatrixXd> firstBlock(influence.topLeftCorner(first, first));
  const Eigen::VectorXd alone = firstBlock.solve(upwash.head(first));
  Eigen::VectorXd together = alone;
  if (rest > 0) {
    const Eigen::MatrixXd firstFromRest = firstBlock.solve(influence.topRightCorner(first, rest));
    const auto restFromFirst = influence.bottomLeftCorner(rest, first);
    const Eigen::MatrixXd complement =
        influence.bottomRightCorner(rest, rest) - restFromFirst * firstFromRest;
    const Eigen::VectorXd others =
        complement.partialPivLu().solve(upwash.tail(rest) - restFromFirst * alone);
    together -= firstFromRest * others;
    together.conservativeResize(n);
    together.tail(rest) = others;
  }

  LatticeLoads loads;
  loads.together = strips;
  addLoads(lattice, together, loads.together);
  std::vector<SurfaceLoad> firstOnly = strips;
  addLoads(lattice, alone, firstOnly);
  loads.firstAlone = std::move(firstOnly.front());
  return loads;
}

}  // namespace tavelor::wing

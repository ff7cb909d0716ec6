#include "rib/rib.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavelor::rib {

namespace {

using Chain = std::vector<wing::Point>;  // one surface, from the nose aft

constexpr double kDenseGap = kMaxPointGap / 2;  // before the sheeting's offset bends it

// Points added on every segment longer than gap, so none is longer.
Chain densified(const Chain& chain, double gap, bool closed) {
  Chain out;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    if (i + 1 == chain.size() && !closed) {
      out.push_back(chain[i]);
      break;
    }
    const wing::Point a = chain[i], b = chain[(i + 1) % chain.size()];
    const int steps =
        std::max(1, static_cast<int>(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / gap)));
    for (int k = 0; k < steps; ++k) out.push_back(wing::pointAlong(a, b, double(k) / steps));
  }
  return out;
}

// The surface's y at x, along its segments (the nearest end beyond them).
double heightAt(const Chain& chain, double x) {
  for (std::size_t i = 1; i < chain.size(); ++i) {
    const wing::Point a = chain[i - 1], b = chain[i];
    if ((a.x - x) * (b.x - x) <= 0 && a.x != b.x)
      return wing::pointAlong(a, b, (x - a.x) / (b.x - a.x)).y;
  }
  return x <= chain.front().x ? chain.front().y : chain.back().y;
}

// The chain moved into the rib by thickness along its normal, up to x = until. The upper
// surface's inside is to the right of its way aft, the lower's to the left.
Chain offset(const Chain& chain, double thickness, double until, bool upper) {
  Chain out = chain;
  if (thickness <= 0) return out;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    if (chain[i].x > until) break;
    const wing::Point a = chain[i == 0 ? 0 : i - 1], b = chain[std::min(i + 1, chain.size() - 1)];
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    const double side = upper ? 1 : -1;
    out[i] = {chain[i].x + side * thickness * (b.y - a.y) / length,
              chain[i].y - side * thickness * (b.x - a.x) / length};
  }
  return out;
}

// Only what lies between x = from and x = to, the ends cut where the chain crosses them.
Chain clipped(const Chain& chain, double from, double to) {
  Chain out;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const wing::Point p = chain[i];
    if (i > 0) {
      const wing::Point q = chain[i - 1];
      for (const double edge : {from, to}) {
        if ((q.x - edge) * (p.x - edge) < 0)
          out.push_back(wing::pointAlong(q, p, (edge - q.x) / (p.x - q.x)));
      }
    }
    if (p.x >= from && p.x <= to) out.push_back(p);
  }
  return out;
}

// A vertical notch from x1 to x2 with its floor at y = floor.
Chain notched(const Chain& chain, double x1, double x2, double floor) {
  Chain out;
  bool cut = false;
  for (const wing::Point& p : chain) {
    if (p.x >= x1 && !cut) {
      out.insert(out.end(),
                 {{x1, heightAt(chain, x1)}, {x1, floor}, {x2, floor}, {x2, heightAt(chain, x2)}});
      cut = true;
    }
    if (p.x < x1 || p.x > x2) out.push_back(p);
  }
  return out;
}

}  // namespace

RibSettings defaultRibSettings() {
  RibSettings settings;
  settings.root = settings.tip = *nacaAirfoil("NACA 2412");
  return settings;
}

std::vector<double> ribStations(const wing::WingGeometry& geometry, double spacing) {
  std::vector<double> stations{0};
  for (const wing::PanelOutline& panel : geometry.panels) {
    const double from = panel.rootLeadingEdge.x, length = panel.tipLeadingEdge.x - from;
    const int gaps = std::max(1, static_cast<int>(std::ceil(length / spacing - 1e-9)));
    for (int k = 1; k <= gaps; ++k) stations.push_back(from + length * k / gaps);
  }
  return stations;
}

std::vector<wing::Point> ribContour(const Airfoil& airfoil, double chord, double twistDegrees,
                                    const RibSettings& settings) {
  const auto& points = airfoil.points;
  if (points.size() < 3 || !(chord > 0)) return {};
  const auto nose = std::ranges::min_element(points, {}, &wing::Point::x) - points.begin();
  Chain upper(points.rend() - nose - 1, points.rend()), lower(points.begin() + nose, points.end());
  for (Chain* chain : {&upper, &lower}) {
    for (wing::Point& p : *chain) p = {p.x * chord, p.y * chord};
    *chain = densified(*chain, kDenseGap, false);
  }
  const double sheetTo = settings.sheetToPercent / 100 * chord;
  upper = offset(upper, settings.sheetTop, sheetTo, true);
  lower = offset(lower, settings.sheetBottom, sheetTo, false);
  double end = std::min(settings.trailingEdgePercent, 100.0) / 100 * chord;
  // Where the sheeting on both sides meets, towards the thin trailing edge, the rib ends.
  for (const wing::Point& p : upper) {
    if (p.x > chord / 2 && p.x < end && p.y <= heightAt(lower, p.x)) end = p.x;
  }
  upper = clipped(upper, settings.leadingEdgeStock, end);
  lower = clipped(lower, settings.leadingEdgeStock, end);
  if (upper.size() < 2 || lower.size() < 2) return {};  // the stock leaves nothing of a surface

  // Nose down about the pivot on the chord line; the notches are cut vertically afterwards.
  const double angle = twistDegrees * std::numbers::pi / 180;
  const double pivot = settings.washoutPivotPercent / 100 * chord;
  for (Chain* chain : {&upper, &lower}) {
    for (wing::Point& p : *chain) {
      p = {pivot + (p.x - pivot) * std::cos(angle) - p.y * std::sin(angle),
           (p.x - pivot) * std::sin(angle) + p.y * std::cos(angle)};
    }
  }
  std::vector<double> floors;  // where the notches' floors lie
  for (const Spar& spar : settings.spars) {
    if (spar.width <= 0 || spar.depth <= 0) continue;
    const double at = pivot + (spar.chordPercent / 100 * chord - pivot) * std::cos(angle);
    const double x1 = at - spar.width / 2, x2 = at + spar.width / 2;
    if (spar.side != SparSide::Bottom)
      upper = notched(upper, x1, x2, heightAt(upper, at) - spar.depth);
    if (spar.side != SparSide::Top)
      lower = notched(lower, x1, x2, heightAt(lower, at) + spar.depth);
    floors.insert(floors.end(), {x1 + spar.width / 100, at, x2 - spar.width / 100});
  }
  // Notches that meet the other surface, or each other, cut the rib in two: no rib.
  for (const double x : floors) {
    if (x > upper.front().x && x < upper.back().x && heightAt(upper, x) <= heightAt(lower, x))
      return {};
  }
  Chain contour(upper.rbegin(), upper.rend());
  const bool sharedNose = !lower.empty() && lower.front() == contour.back();
  contour.insert(contour.end(), lower.begin() + (sharedNose ? 1 : 0), lower.end());
  if (contour.size() > 1 && contour.front() == contour.back()) contour.pop_back();
  return densified(contour, kMaxPointGap, true);
}

const Rib* uncutRib(const std::vector<Rib>& ribs) {
  const auto rib = std::ranges::find_if(ribs, [](const Rib& r) { return r.contour.size() < 3; });
  return rib == ribs.end() ? nullptr : &*rib;
}

std::vector<Rib> wingRibs(const wing::WingGeometry& geometry, const RibSettings& settings) {
  std::vector<Rib> ribs;
  if (geometry.panels.empty() || settings.spacing <= 0) return ribs;
  const std::vector<double> stations = ribStations(geometry, settings.spacing);
  if (stations.size() > kMaxRibs) return ribs;
  const Airfoil root = resampled(settings.root), tip = resampled(settings.tip);
  const double halfSpan = geometry.panels.back().tipLeadingEdge.x;
  std::size_t panel = 0;
  for (const double station : stations) {
    while (panel + 1 < geometry.panels.size() &&
           station > geometry.panels[panel].tipLeadingEdge.x) {
      ++panel;
    }
    const wing::PanelOutline& p = geometry.panels[panel];
    const double share =
        (station - p.rootLeadingEdge.x) / (p.tipLeadingEdge.x - p.rootLeadingEdge.x);
    const double leadingEdge = wing::pointAlong(p.rootLeadingEdge, p.tipLeadingEdge, share).y;
    const double chord =
        wing::pointAlong(p.rootTrailingEdge, p.tipTrailingEdge, share).y - leadingEdge;
    const double span = station / halfSpan;
    const double twist = settings.washoutDegrees * span;
    ribs.push_back({"R" + std::to_string(ribs.size() + 1), station, chord, leadingEdge, twist,
                    ribContour(blended(root, tip, span), chord, twist, settings)});
  }
  return ribs;
}

}  // namespace tavelor::rib
